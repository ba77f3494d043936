#pragma once

#include "core/file_reader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The one codec of every text file the program reads or writes: one byte per
// character in the Western European code page (CP1252), CR LF after every line
// on write, CR LF, LF or CR accepted on read. The five byte values CP1252 leaves
// undefined map to the C1 control characters of the same value, so reading never
// fails on a byte and read-then-write gives back the same bytes.
namespace textfile {

// Splits bytes into lines; a final line end does not start a further line.
QStringList decodeLines(const QByteArray& bytes);

// Every line followed by CR LF. Throws CorvaltoError for a character the code
// page cannot hold (see firstUnencodable) rather than replacing it, and for a
// line holding CR or LF rather than splitting it.
QByteArray encodeLines(const QStringList& lines);

// True when every character of text has a byte in the code page.
bool isEncodable(const QString& text);

// The first character of text the code page cannot hold, or a null QChar.
QChar firstUnencodable(const QString& text);
// The same over several lines.
QChar firstUnencodable(const QStringList& lines);

// Reads a whole regular file of at most maxBytes bytes and maxLines lines.
// Throws CorvaltoError "Cannot open file <path>" or the message of the limit
// passed (see filereader).
QStringList readLines(const QString& path, qint64 maxBytes = filereader::ListFileBytes,
                      qsizetype maxLines = filereader::ListFileLines);

// Writes a whole file atomically through a temporary file: a failed write leaves
// the previous file intact. Throws CorvaltoError "Cannot create file <path>", or
// the unencodable-character message before anything is written.
void writeLines(const QString& path, const QStringList& lines);

// The Italian message for a character the code page cannot hold.
QString unencodableMessage(QChar c);
// The Italian message for a line holding a line break.
QString lineBreakMessage(const QString& line);

} // namespace textfile
