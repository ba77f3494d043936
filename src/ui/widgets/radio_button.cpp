#include "ui/widgets/radio_button.h"

#include <QSignalBlocker>

RadioButton::RadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    // A radio button alone in its container could be unchecked by a click or a
    // screen reader's toggle; only deselect() may do that.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked) {
            emit selected();
            return;
        }
        const QSignalBlocker blocker(this);
        setChecked(true);
    });
}

void RadioButton::deselect()
{
    const QSignalBlocker blocker(this);
    setChecked(false);
}
