#pragma once

#include <QString>
#include <QStringList>

// One chord list as a list file ("File Lista v3", extension ".qvl") holds it:
// line 1 the title, line 2 the number of entries N, then N entry texts, then N
// picture file names (empty for a blank entry), then the additional information
// one line per displayed line. There is no header and no checksum: only the
// positions give the lines their meaning.
struct ListFile
{
    // A list holds at most 300 entries; a file announcing more is refused.
    static constexpr int MaxEntries = 300;
    static inline const QString Extension = QStringLiteral(".qvl");
    static inline const QString DialogFilter = QStringLiteral("File Lista v3 (*.qvl)|*.qvl");

    QString title;
    QStringList entries;
    // One per entry, in the same order.
    QStringList pictures;
    QStringList information;

    // The lines of the file; the count line is the number of entries.
    QStringList lines() const;

    // The longest additional information a list is saved with: it is laid out
    // into displayed lines on every save, which takes a fraction of a second
    // at this length.
    static constexpr qsizetype MaxInformationCharacters = 1024 * 1024;
    static QString informationTooLongMessage();

    // True when lines fit the limits every list file is read with, so that a
    // list is never saved into a file that could not be opened again.
    static bool fitsReadLimits(const QStringList& lines);
    // The Italian message for a list beyond them.
    static QString tooLargeToSaveMessage();

    // Checks the lines completely before anything is taken from them. A line asked
    // for past the end reads as the empty string, so a file that stops early gives
    // empty entries and pictures. Throws CorvaltoError when line 2 is no integer or
    // announces fewer than 0 or more than 300 entries.
    static ListFile fromLines(const QStringList& lines);

    // The count line as a number: decimal, optionally signed, blanks around it
    // ignored. Throws "'<text>' is not a valid integer value".
    static int parseCount(const QString& text);

    // The Italian message for a count outside 0..300.
    static QString countOutOfRangeMessage(const QString& text);
};
