#pragma once

#include <QPalette>
#include <QScrollBar>
#include <QStyleOption>

#include <optional>

// A scroll bar that, when its range, page or value changes, repaints only
// where its look changes: the old and the new handle, or nothing when the
// handle keeps its pixels (a list growing by one entry among hundreds).
// Anything else that changes its look repaints it whole, as any scroll bar.
// Its size hint is worked out once until something it depends on changes: a
// list asks for it a dozen times on every entry added.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;

    QSize sizeHint() const override;

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

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
    mutable std::optional<QSize> m_sizeHint;
    // A style's measures grow with the screen's.
    mutable int m_sizeHintDpi = 0;
};
