#include "app/form2.h"

Form2::Form2(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(369, 448);
}

void Form2::aboutCommand()
{
    show();
}
