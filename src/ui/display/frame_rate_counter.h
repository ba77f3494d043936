#pragma once

#include <QtGlobal>

// Frames per second as the display timer keeps it: ticks are counted, and once
// at least 1000 ms have passed since the last measurement the rate becomes
// count * 1000 / elapsed, rounded to the nearest integer, and counting restarts.
class FrameRateCounter
{
public:
    void restart(qint64 nowMs);
    void tick(qint64 nowMs);
    int rate() const { return m_rate; }

private:
    qint64 m_since = 0;
    int m_count = 0;
    int m_rate = 0;
};
