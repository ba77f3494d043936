#include "ui/radio_button.h"

#include <QSignalBlocker>

RadioButton::RadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    setAutoExclusive(false);
    connect(this, &QAbstractButton::clicked, this, [this](bool checked) {
        if (!checked) {
            const QSignalBlocker blocker(this);
            setChecked(true);
            return;
        }
        emit selected();
    });
}

void RadioButton::deselect()
{
    const QSignalBlocker blocker(this);
    setChecked(false);
}
