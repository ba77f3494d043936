#include "core/text_file.h"

#include "core/errors.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <array>
#include <iconv.h>

namespace {

struct CodePage
{
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;
};

// Built once from iconv's CP1252 table; undefined bytes keep their own value.
const CodePage& codePage()
{
    static const CodePage table = [] {
        CodePage cp;
        iconv_t cd = iconv_open("UTF-16LE", "CP1252");
        for (int b = 0; b < 256; ++b) {
            char16_t out = static_cast<char16_t>(b);
            if (cd != reinterpret_cast<iconv_t>(-1)) {
                char in = static_cast<char>(b);
                char* inPtr = &in;
                size_t inLeft = 1;
                char16_t converted = 0;
                char* outPtr = reinterpret_cast<char*>(&converted);
                size_t outLeft = sizeof(converted);
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                    outLeft == 0)
                    out = converted;
            }
            cp.toUnicode[b] = out;
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
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
