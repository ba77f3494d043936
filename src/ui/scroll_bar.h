#pragma once

#include <QPalette>
#include <QScrollBar>
#include <QStyleOption>

#include <optional>

// A scroll bar that, when its range, page or value changes, repaints only
// where its look changes: the old and the new handle, or nothing when the
// handle keeps its pixels (a list growing by one entry among hundreds).
// Anything else that changes its look repaints it whole, as any scroll bar.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What the drawing depends on besides the handle, and the handle.
    struct Look
    {
        QRect rect;
        QStyle::State state;
        QStyle::SubControls active;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        qint64 palette = 0;
        const QStyle* style = nullptr;
        bool empty = false;
        bool atMinimum = false;
        bool atMaximum = false;
        QRect handle;

        bool sameButHandle(const Look& other) const;
    };
    Look look() const;

    // As last drawn or asked to be drawn.
    std::optional<Look> m_look;
};
