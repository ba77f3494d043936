#include "shell/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

void FirstPaintProbe::installIfRequested(QWidget* window)
{
    const char* value = std::getenv(EnvironmentVariable);
    if (!window || !value || std::strcmp(value, "1") != 0)
        return;
    // Watched application-wide: a window covered by opaque children receives no
    // paint event of its own, only its children do.
    qApp->installEventFilter(new FirstPaintProbe(window));
}

FirstPaintProbe::FirstPaintProbe(QWidget* window) : QObject(qApp), m_window(window) {}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_window) {
        qApp->removeEventFilter(this);
        // A paint pass runs to completion (every dirty widget, then the flush to
        // the screen) before the event loop runs the next timer.
        QTimer::singleShot(0, qApp, &FirstPaintProbe::reportAndExit);
    }
    return false;
}

void FirstPaintProbe::reportAndExit()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long long cpuUs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                            usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::printf(
        "painted %lld %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        cpuUs);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
