#include "ui/display/display_timer.h"

#include <QGuiApplication>

#include <algorithm>

DisplayTimer::DisplayTimer(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DXTimer"));
    m_clock.start();
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &DisplayTimer::onTimeout);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &DisplayTimer::updateRunning);
}

void DisplayTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (m_enabled) {
        m_last = m_clock.elapsed();
        m_frameRate.restart(m_last);
    }
    updateRunning();
}

void DisplayTimer::setInterval(int ms)
{
    m_interval = std::max(0, ms);
    m_timer.setInterval(m_interval);
}

void DisplayTimer::setActiveOnly(bool activeOnly)
{
    m_activeOnly = activeOnly;
    updateRunning();
}

void DisplayTimer::updateRunning()
{
    // While the application is inactive the timer stops altogether rather than
    // spinning on an idle loop that does nothing.
    const bool run = m_enabled && (!m_activeOnly ||
                                   QGuiApplication::applicationState() == Qt::ApplicationActive);
    if (run && !m_timer.isActive()) {
        m_last = m_clock.elapsed();
        m_timer.start();
    } else if (!run) {
        m_timer.stop();
    }
}

void DisplayTimer::onTimeout()
{
    const qint64 now = m_clock.elapsed();
    const int lag = int(std::max<qint64>(1, now - m_last));
    m_last = now;
    m_frameRate.tick(now);
    emit timer(lag);
}
