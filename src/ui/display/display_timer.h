#pragma once

#include "ui/display/frame_rate_counter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The frame timer of the display: with interval 0 it ticks whenever the event
// loop has nothing else to do, and only while the application is active. Each
// tick carries the milliseconds since the previous one (at least 1).
class DisplayTimer : public QObject
{
    Q_OBJECT
public:
    explicit DisplayTimer(QObject* parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_interval; }
    void setInterval(int ms);
    // Whether ticks wait for the application to be active (the default).
    bool activeOnly() const { return m_activeOnly; }
    void setActiveOnly(bool activeOnly);

    int frameRate() const { return m_frameRate.rate(); }

signals:
    void timer(int lagCount);

private:
    void updateRunning();
    void onTimeout();

    QTimer m_timer;
    QElapsedTimer m_clock;
    FrameRateCounter m_frameRate;
    qint64 m_last = 0;
    int m_interval = 0;
    bool m_enabled = false;
    bool m_activeOnly = true;
};
