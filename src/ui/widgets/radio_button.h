#pragma once

#include <QRadioButton>

// A radio button standing alone in its container, with the toolkit's rules:
// becoming selected by any means (a click, Space, an accessibility action)
// emits selected(); deselecting it from code emits nothing; clicking it while
// selected changes nothing.
class RadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit RadioButton(const QString& text, QWidget* parent = nullptr);

    void deselect();

signals:
    void selected();

protected:
    // The whole rectangle takes the click, not only the circle and the text.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
