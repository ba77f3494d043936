#include "htmlpage/page_builder.h"

#include "chords/chord_catalogue.h"
#include "core/author.h"
#include "core/document_state.h"
#include "core/text_file.h"

#include <QUrl>

namespace htmlpage {

namespace {

const QString BlankEntry = QStringLiteral("-");

// The caption block that closes a group of pictures: the names of the group
// between dashes, one name a line, then a rule.
void appendCaption(QStringList& page, const QStringList& names)
{
    page.append(QStringLiteral("<div align=\"center\"> - "));
    for (const QString& name : names) {
        if (name != BlankEntry)
            page.append(escaped(name) + QStringLiteral(" - "));
    }
    page.append(QStringLiteral("</div>"));
    page.append(QStringLiteral("<hr>"));
}

} // namespace

QString escaped(const QString& text)
{
    const QString html = text.toHtmlEscaped();
    if (textfile::isEncodable(html) && !html.contains(QLatin1Char('\r')) &&
        !html.contains(QLatin1Char('\n')))
        return html;
    // The page is written in the Western European code page, one line per file
    // line: other characters (a list file named in another script) and line
    // breaks go in as numeric character references.
    QString out;
    for (char32_t c : html.toUcs4()) {
        const QString ch = QString::fromUcs4(&c, 1);
        if (c == U'\r' || c == U'\n' || !textfile::isEncodable(ch))
            out += QStringLiteral("&#%1;").arg(static_cast<uint>(c));
        else
            out += ch;
    }
    return out;
}

QString fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString pagePath(const QString& pageFolder, const QString& listFile)
{
    return pageFolder + document::fileNamePart(listFile) + QStringLiteral(".html");
}

QStringList buildPage(const PageInput& input)
{
    // A URL can hold "&", which an attribute value writes as a reference.
    auto link = [&](const QString& relative) {
        return escaped(fileUrl(input.programDir + relative));
    };

    QStringList page;
    page.append(QStringLiteral("<html>"));
    page.append(QStringLiteral("<head>"));
    page.append(QStringLiteral("<title>") + escaped(document::fileNamePart(input.listFile)) +
                QStringLiteral("</title>"));
    page.append(QStringLiteral(
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"));
    page.append(QStringLiteral("</head>"));
    page.append(QStringLiteral("<body bgcolor=\"#FFFFFF\" text=\"#000000\">"));
    page.append(QStringLiteral("<link rel=\"stylesheet\" href=\"") +
                link(QStringLiteral("imm/scroll.css")) + QStringLiteral("\" type=\"text/css\">"));
    page.append(
        QStringLiteral("<div align=\"center\"><font color=\"#00FF99\"><b><font face=\"Verdana, "
                       "Arial, Helvetica, sans-serif\" color=\"#333399\">") +
        escaped(input.title) + QStringLiteral("</font></b></font></div>"));
    page.append(QStringLiteral("<hr>"));
    page.append(QStringLiteral("<div align=\"center\">"));

    // The chords since the last entry without picture.
    QStringList group;
    for (qsizetype i = 0; i < input.entries.size(); ++i) {
        const QString& entry = input.entries.at(i);
        const QString picture = input.pictures.value(i);
        if (!picture.isEmpty()) {
            // A name that is no bare file name is not linked: the chord shows
            // without a picture.
            if (chords::isBarePictureName(picture))
                page.append(QStringLiteral("<img src=\"") + link(QStringLiteral("imm/") + picture) +
                            QStringLiteral("\">"));
            group.append(entry);
        } else {
            group.append(entry);
            appendCaption(page, group);
            group.clear();
        }
    }
    // Written also for an empty group: a list that ends with a blank entry.
    appendCaption(page, group);

    if (!input.information.isEmpty()) {
        page.append(QStringLiteral("<div align=\"center\">"));
        for (const QString& line : input.information)
            page.append(escaped(line));
        page.append(QStringLiteral("</div>"));
        page.append(QStringLiteral("</div>"));
        page.append(QStringLiteral("<hr>"));
    }

    const QString address = escaped(author::webPage());
    page.append(QStringLiteral("<p align=\"center\"><font face=\"Georgia, Times New Roman, Times, "
                               "serif\"><b>creato con Corvalto 3.0 by Virmosk</b></font>"));
    page.append(QStringLiteral("<a href=\"") + address + QStringLiteral("\">") + address +
                QStringLiteral("</a></p>"));
    page.append(QStringLiteral("</body>"));
    page.append(QStringLiteral("</html>"));
    return page;
}

} // namespace htmlpage
