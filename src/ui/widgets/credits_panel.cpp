#include "ui/widgets/credits_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

CreditsPanel::CreditsPanel(QWidget* parent) : QFrame(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &CreditsPanel::advance);
}

void CreditsPanel::setLines(const QStringList& lines)
{
    m_lines = lines;
    m_position = 0;
    update();
}

void CreditsPanel::setActive(bool active)
{
    if (!active)
        m_timer->stop();
    else if (!m_timer->isActive())
        m_timer->start();
}

bool CreditsPanel::isActive() const
{
    return m_timer->isActive();
}

int CreditsPanel::cycleLength() const
{
    const int textHeight = fontMetrics().height() * static_cast<int>(m_lines.size());
    return qMax(1, contentsRect().height() + textHeight);
}

void CreditsPanel::advance()
{
    m_position = (m_position + 1) % cycleLength();
    update();
}

void CreditsPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().height();
    int top = area.bottom() + 1 - m_position;
    for (const QString& line : m_lines) {
        if (top + lineHeight > area.top() && top <= area.bottom())
            painter.drawText(QRect(area.left(), top, area.width(), lineHeight), Qt::AlignHCenter,
                             line);
        top += lineHeight;
    }
}

void CreditsPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}
