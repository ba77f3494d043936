#pragma once

#include <QFrame>
#include <QStringList>

class QTimer;

// A panel whose centred lines scroll upward one pixel every 100 ms: the text
// rises from below the bottom edge until its last line has left the top edge,
// then starts again from the beginning, endlessly. A click anywhere on it emits
// clicked().
class CreditsPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int TickMs = 100;

    explicit CreditsPanel(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    QStringList lines() const { return m_lines; }

    // Starts the scrolling when it is not running; a running scroll goes on.
    void setActive(bool active);
    bool isActive() const;

    // Pixels the text has risen since the cycle began, 0 to cycleLength() - 1.
    int position() const { return m_position; }
    // Ticks of one cycle: the panel's height plus the height of the text.
    int cycleLength() const;
    // One step of the scroll, as one tick of the timer.
    void advance();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringList m_lines;
    QTimer* m_timer;
    int m_position = 0;
};
