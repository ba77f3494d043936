#pragma once

#include <QStringList>

// The three list files most recently saved under a new name or opened, most
// recent first. The store never shrinks during a run: entries are only added at
// the front, exchanged, or cut off after the third.
//
// config.ini holds one entry per line. A path the Western European code page
// cannot hold (a folder named in another script) or holding a control character
// (a line break) is written as a "file:" URL with its UTF-8 bytes
// percent-encoded, so that the file stays plain CP1252, one path a line, and
// the path comes back unchanged; every other path is written as it is.
class RecentFiles
{
public:
    static constexpr int MaxEntries = 3;

    // Keeps at most the first three lines of config.ini, decoding encoded paths.
    void load(const QStringList& lines);
    // The lines of config.ini for the store.
    QStringList configLines() const;

    const QStringList& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }
    // Entry k counting from 1, or an empty text when there is none.
    QString entry(int k) const { return m_entries.value(k - 1); }

    // Moves an exactly equal path (case included) to the front, or inserts it there.
    void updateByName(const QString& path);
    // Moves entry k (1..3) to the front; returns false when nothing changed (k = 1)
    // and the store need not be written.
    bool updateBySlot(int k);

    // One entry as a line of config.ini, and back.
    static QString encodePath(const QString& path);
    static QString decodeLine(const QString& line);

private:
    QStringList m_entries;
};
