#include "ui/widgets/scroll_bar.h"

bool ScrollBar::Look::sameButHandle(const Look& other) const
{
    return rect == other.rect && state == other.state && active == other.active &&
           direction == other.direction && palette == other.palette && style == other.style &&
           empty == other.empty && atMinimum == other.atMinimum && atMaximum == other.atMaximum;
}

ScrollBar::Look ScrollBar::look() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    Look l;
    l.rect = option.rect;
    l.state = option.state;
    l.active = option.activeSubControls;
    l.direction = option.direction;
    l.palette = option.palette.cacheKey();
    l.style = style();
    l.empty = option.minimum == option.maximum;
    l.atMinimum = option.sliderPosition == option.minimum;
    l.atMaximum = option.sliderPosition == option.maximum;
    l.handle =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    return l;
}

QSize ScrollBar::sizeHint() const
{
    // It depends on the style's measures for the bar's orientation and state.
    const int dpi = logicalDpiY();
    if (!m_sizeHint || m_sizeHintDpi != dpi) {
        m_sizeHint = QScrollBar::sizeHint();
        m_sizeHintDpi = dpi;
    }
    return *m_sizeHint;
}

void ScrollBar::changeEvent(QEvent* event)
{
    // Style, font, palette, enabled, direction, activation: any may change it.
    m_sizeHint.reset();
    QScrollBar::changeEvent(event);
}

void ScrollBar::sliderChange(SliderChange change)
{
    if (change == SliderOrientationChange)
        m_sizeHint.reset();
    const Look now = look();
    const std::optional<Look> before = std::exchange(m_look, now);
    if (change == SliderOrientationChange || !before || !before->sameButHandle(now)) {
        QScrollBar::sliderChange(change);
        return;
    }
    // Outside both handles the groove is drawn the same; a style draws a
    // handle's outline and shade a few pixels beyond its rectangle.
    constexpr int Outline = 4;
    if (before->handle == now.handle)
        return;
    // Along its length a handle is drawn the same away from its ends: where
    // both handles lie, more than an outline from their ends, nothing changes.
    QRegion changed(
        before->handle.united(now.handle).adjusted(-Outline, -Outline, Outline, Outline));
    const QRect both = before->handle.intersected(now.handle);
    if (!both.isEmpty()) {
        changed -= orientation() == Qt::Vertical
                       ? both.adjusted(-Outline, Outline, Outline, -Outline)
                       : both.adjusted(Outline, -Outline, -Outline, Outline);
    }
    update(changed);
}

void ScrollBar::paintEvent(QPaintEvent* event)
{
    m_look = look();
    QScrollBar::paintEvent(event);
}
