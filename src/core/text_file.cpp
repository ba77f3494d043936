#include "core/text_file.h"

#include "core/errors.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <array>

namespace {

struct CodePage
{
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;
};

// Where CP1252 differs from Latin-1: the bytes 0x80 to 0x9F. The five it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The table is the program's own, so that the codec does not depend on the
// system's conversion modules being installed, and costs nothing to load.
const CodePage& codePage()
{
    static const CodePage table = [] {
        CodePage cp;
        for (int b = 0; b < 256; ++b)
            cp.toUnicode[b] = b >= 0x80 && b < 0xA0 ? Windows1252High[b - 0x80] : char16_t(b);
        for (int b = 255; b >= 0; --b)
            cp.fromUnicode.insert(cp.toUnicode[b], static_cast<unsigned char>(b));
        return cp;
    }();
    return table;
}

} // namespace

namespace textfile {

QStringList decodeLines(const QByteArray& bytes)
{
    const CodePage& cp = codePage();
    QStringList lines;
    QString current;
    bool pendingLine = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r' || b == '\n') {
            lines.append(current);
            current.clear();
            pendingLine = false;
            if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current.append(QChar(cp.toUnicode[b]));
            pendingLine = true;
        }
    }
    if (pendingLine)
        lines.append(current);
    return lines;
}

QChar firstUnencodable(const QString& text)
{
    const CodePage& cp = codePage();
    for (QChar c : text) {
        if (!cp.fromUnicode.contains(c.unicode()))
            return c;
    }
    return QChar();
}

QChar firstUnencodable(const QStringList& lines)
{
    for (const QString& line : lines) {
        const QChar c = firstUnencodable(line);
        if (!c.isNull())
            return c;
    }
    return QChar();
}

bool isEncodable(const QString& text)
{
    return firstUnencodable(text).isNull();
}

QString unencodableMessage(QChar c)
{
    const QString code =
        QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("Il carattere \"%1\" (U+%2) non può essere salvato: i file di Corvalto "
                          "usano la codifica dell'Europa occidentale. Sostituirlo e riprovare.")
        .arg(QString(c), code);
}

QString lineBreakMessage(const QString& line)
{
    // The line is quoted up to its break, and at most a short piece of it.
    constexpr qsizetype Quoted = 40;
    qsizetype end = 0;
    while (end < line.size() && end < Quoted && line.at(end) != QLatin1Char('\r') &&
           line.at(end) != QLatin1Char('\n'))
        ++end;
    return QStringLiteral("Una riga che inizia con \"%1\" contiene un a capo: il file non è stato "
                          "scritto")
        .arg(line.left(end));
}

QByteArray encodeLines(const QStringList& lines)
{
    const CodePage& cp = codePage();
    QByteArray bytes;
    for (const QString& line : lines) {
        for (QChar c : line) {
            // A line break inside a line would split it in two in the file.
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                throw CorvaltoError(lineBreakMessage(line));
            const auto it = cp.fromUnicode.constFind(c.unicode());
            if (it == cp.fromUnicode.constEnd())
                throw CorvaltoError(unencodableMessage(c));
            bytes.append(static_cast<char>(it.value()));
        }
        bytes.append("\r\n", 2);
    }
    return bytes;
}

QStringList readLines(const QString& path, qint64 maxBytes, qsizetype maxLines)
{
    const QByteArray bytes = filereader::readAll(path, maxBytes);
    // Counted before decoding: each line costs far more as text than as bytes.
    if (filereader::countLines(bytes) > maxLines)
        throw CorvaltoError(filereader::tooManyLinesMessage(path, maxLines));
    return decodeLines(bytes);
}

void writeLines(const QString& path, const QStringList& lines)
{
    const QByteArray bytes = encodeLines(lines);
    QSaveFile file(path);
    // commit() misses a write that failed part way (a full disk): the buffer is
    // flushed and checked first, and a file never committed is discarded.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        throw CorvaltoError::cannotCreate(path);
}

} // namespace textfile
