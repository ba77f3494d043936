#include "screensaver/form6.h"

Form6::Form6(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Virmosk Screen Saver 1.0 Finale"));
    setFixedSize(369, 276);
}

void Form6::openSettings()
{
    show();
}
