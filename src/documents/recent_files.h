#pragma once

#include <QStringList>

// The three list files most recently saved under a new name or opened, most
// recent first. The store never shrinks during a run: entries are only added at
// the front, exchanged, or cut off after the third.
class RecentFiles
{
public:
    static constexpr int MaxEntries = 3;

    // Keeps at most the first three lines.
    void load(const QStringList& lines);

    const QStringList& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }
    // Entry k counting from 1, or an empty text when there is none.
    QString entry(int k) const { return m_entries.value(k - 1); }

    // Moves an exactly equal path (case included) to the front, or inserts it there.
    void updateByName(const QString& path);
    // Moves entry k (1..3) to the front; returns false when nothing changed (k = 1)
    // and the store need not be written.
    bool updateBySlot(int k);

private:
    QStringList m_entries;
};
