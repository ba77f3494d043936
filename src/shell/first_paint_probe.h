#pragma once

#include <QObject>

class QWidget;

// Start-up benchmark support. With CORVALTO_BENCH_EXIT_AFTER_PAINT=1 in the
// environment, the program writes "painted <ns> <cpu-us>" to standard output
// once the given window has been painted and flushed to the screen for the first
// time, and ends with exit code 0. <ns> is the monotonic clock (CLOCK_MONOTONIC,
// shared by every process of the machine) in nanoseconds, <cpu-us> the processor
// time (user and system) the process has used so far, in microseconds. Without the variable nothing
// is installed. Both Corvalto and the bare benchmark window use this probe.
class FirstPaintProbe : public QObject
{
public:
    static constexpr const char* EnvironmentVariable = "CORVALTO_BENCH_EXIT_AFTER_PAINT";

    // Installs the probe for window when the environment asks for it.
    static void installIfRequested(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FirstPaintProbe(QWidget* window);
    static void reportAndExit();

    QWidget* m_window;
};
