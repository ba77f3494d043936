#include "riff/form8.h"

Form8::Form8(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Virmosk Riff Editor 1.0"));
    setFixedSize(449, 526);
}

void Form8::clearAll() {}

void Form8::showWindow()
{
    show();
}
