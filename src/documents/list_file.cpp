#include "documents/list_file.h"

#include "core/errors.h"
#include "core/file_reader.h"

QStringList ListFile::lines() const
{
    const qsizetype n = entries.size();
    QStringList out;
    out.reserve(2 + 2 * n + information.size());
    out.append(title);
    out.append(QString::number(n));
    out.append(entries);
    for (qsizetype k = 0; k < n; ++k)
        out.append(pictures.value(k));
    out.append(information);
    return out;
}

bool ListFile::fitsReadLimits(const QStringList& lines)
{
    if (lines.size() > filereader::ListFileLines)
        return false;
    // One byte per character and CR LF after every line.
    qint64 bytes = 0;
    for (const QString& line : lines)
        bytes += line.size() + 2;
    return bytes <= filereader::ListFileBytes;
}

QString ListFile::informationTooLongMessage()
{
    return QStringLiteral("Le informazioni aggiuntive sono troppo lunghe per salvare la lista: "
                          "ne può contenere al massimo %1 caratteri. Accorciarle e riprovare.")
        .arg(MaxInformationCharacters);
}

QString ListFile::tooLargeToSaveMessage()
{
    return QStringLiteral("La lista è troppo grande per essere salvata: un file lista contiene al "
                          "massimo %1 MB e %2 righe. Accorciare le informazioni aggiuntive e "
                          "riprovare.")
        .arg(filereader::ListFileBytes / filereader::MiB)
        .arg(filereader::ListFileLines);
}

int ListFile::parseCount(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    if (!ok)
        throw CorvaltoError::notAnInteger(text);
    return n;
}

QString ListFile::countOutOfRangeMessage(const QString& text)
{
    return QStringLiteral("Il file non è una lista valida: dichiara %1 accordi, ma una lista "
                          "ne contiene da 0 a %2. La lista aperta non è stata modificata.")
        .arg(text.trimmed())
        .arg(MaxEntries);
}

ListFile ListFile::fromLines(const QStringList& lines)
{
    const QString countLine = lines.value(1);
    const int n = parseCount(countLine);
    if (n < 0 || n > MaxEntries)
        throw CorvaltoError(countOutOfRangeMessage(countLine));

    ListFile file;
    file.title = lines.value(0);
    file.entries.reserve(n);
    file.pictures.reserve(n);
    for (int k = 1; k <= n; ++k) {
        file.entries.append(lines.value(1 + k));
        file.pictures.append(lines.value(n + 1 + k));
    }
    if (lines.size() > 2 * n + 2)
        file.information = lines.mid(2 * n + 2);
    return file;
}
