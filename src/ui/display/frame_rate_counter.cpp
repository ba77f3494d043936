#include "ui/display/frame_rate_counter.h"

void FrameRateCounter::restart(qint64 nowMs)
{
    m_since = nowMs;
    m_count = 0;
}

void FrameRateCounter::tick(qint64 nowMs)
{
    ++m_count;
    const qint64 elapsed = nowMs - m_since;
    if (elapsed >= 1000) {
        m_rate = int((qint64(m_count) * 1000 + elapsed / 2) / elapsed);
        m_count = 0;
        m_since = nowMs;
    }
}
