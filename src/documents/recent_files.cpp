#include "documents/recent_files.h"

#include "core/text_file.h"

#include <QUrl>

#include <algorithm>

namespace {

const QString UrlPrefix = QStringLiteral("file:");

} // namespace

void RecentFiles::load(const QStringList& lines)
{
    m_entries.clear();
    for (const QString& line : lines.mid(0, MaxEntries))
        m_entries.append(decodeLine(line));
}

QStringList RecentFiles::configLines() const
{
    QStringList lines;
    for (const QString& path : m_entries)
        lines.append(encodePath(path));
    return lines;
}

QString RecentFiles::encodePath(const QString& path)
{
    // A plain path that happens to start like the encoded form is encoded too,
    // so that every line reads back unambiguously; so is one holding a control
    // character, a line break above all, which would split its line.
    const bool control = std::any_of(path.cbegin(), path.cend(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (textfile::isEncodable(path) && !path.startsWith(UrlPrefix) && !control)
        return path;
    return UrlPrefix + QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

QString RecentFiles::decodeLine(const QString& line)
{
    if (!line.startsWith(UrlPrefix))
        return line;
    return QUrl::fromPercentEncoding(line.mid(UrlPrefix.size()).toUtf8());
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
