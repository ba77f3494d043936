#include "documents/form5.h"

Form5::Form5(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Informazioni lista aggiuntive"));
    setFixedSize(395, 225);
}

QStringList Form5::informationLines() const
{
    return {};
}

void Form5::setInformationLines(const QStringList&) {}

void Form5::clearInformation() {}

void Form5::enableFileNameButton() {}

void Form5::showWindow()
{
    show();
}
