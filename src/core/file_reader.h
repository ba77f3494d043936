#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Every file the program reads comes in through here: only regular files are
// opened (a folder, a FIFO or a device such as /dev/zero reads as a file that
// cannot be opened, and opening one never blocks), and each kind of file is
// read up to a limit of its own, beyond which it is refused whole.
namespace filereader {

constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1024 * KiB;

// A full list of 300 entries with a long information text stays far below this.
constexpr qint64 ListFileBytes = 16 * MiB;
// A list file the program writes holds at most this many lines, so that a file
// of empty lines cannot turn into millions of information lines.
constexpr qsizetype ListFileLines = 1024 * 1024;
// config.ini holds three paths.
constexpr qint64 ConfigBytes = 64 * KiB;
constexpr qint64 PictureBytes = 4 * MiB;
// Escaping can make six bytes of one byte of a list file ("&quot;").
constexpr qint64 PageBytes = 6 * ListFileBytes + MiB;
constexpr qint64 MeshBytes = 32 * MiB;

// True for an existing regular file, symbolic links followed.
bool isRegularFile(const QString& path);

// True for a regular file named by a path that names it in every run:
// /dev/stdin, /dev/fd/N and /proc/self/fd/N lead to a regular file too, but to
// whatever the process has open, in the next run another file or none.
bool isLastingFile(const QString& path);

// The whole file. Throws CorvaltoError "Cannot open file <path>" for a file that
// is missing, unreadable or not a regular file, and tooLargeMessage for one of
// more than maxBytes bytes.
QByteArray readAll(const QString& path, qint64 maxBytes);

// The number of lines in bytes as the text codec splits them.
qsizetype countLines(const QByteArray& bytes);

// The Italian messages for a file beyond its limits.
QString tooLargeMessage(const QString& path, qint64 maxBytes);
QString tooManyLinesMessage(const QString& path, qsizetype maxLines);

// At most maxChars characters of text, "..." marking a cut: what an error
// message quotes of a text that came from a file.
QString shortened(const QString& text, qsizetype maxChars = 60);

} // namespace filereader
