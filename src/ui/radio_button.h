#pragma once

#include <QRadioButton>

// A radio button standing alone in its container, with the toolkit's rules:
// becoming selected by the user emits selected(); deselecting it from code
// emits nothing; clicking it while selected changes nothing.
class RadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit RadioButton(const QString& text, QWidget* parent = nullptr);

    void deselect();

signals:
    void selected();
};
