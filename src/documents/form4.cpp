#include "documents/form4.h"

Form4::Form4(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Titolo lista"));
    setFixedSize(201, 78);
}

