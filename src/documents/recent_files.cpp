#include "documents/recent_files.h"

#include <utility>

void RecentFiles::load(const QStringList& lines)
{
    m_entries = lines.mid(0, MaxEntries);
}

void RecentFiles::updateByName(const QString& path)
{
    // When several entries match, the last one found counts.
    const qsizetype j = m_entries.lastIndexOf(path);
    if (j >= 0) {
        m_entries.swapItemsAt(0, j);
        if (j == 2)
            m_entries.swapItemsAt(1, 2);
    } else {
        m_entries.prepend(path);
    }
    while (m_entries.size() > MaxEntries)
        m_entries.removeLast();
}

bool RecentFiles::updateBySlot(int k)
{
    if (k < 2 || k > count())
        return false;
    if (k == 2) {
        m_entries.swapItemsAt(0, 1);
    } else {
        m_entries.swapItemsAt(0, 2);
        m_entries.swapItemsAt(1, 2);
    }
    while (m_entries.size() > MaxEntries)
        m_entries.removeLast();
    return true;
}
