#include "ui/browser_view.h"

#include "app/text_file.h"
#include "ui/prompts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

BrowserView::BrowserView(Prompts& prompts, QWidget* parent)
    : QTextBrowser(parent), m_prompts(prompts)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &BrowserView::followLink);
}

void BrowserView::navigate(const QString& path)
{
    m_path = path;
    const QFileInfo info(path);
    QFile probe(path);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
        m_showsError = true;
        setHtml(QStringLiteral("<html><body><h3>Impossibile visualizzare la pagina</h3>"
                               "<p>Il file non esiste o non si può leggere:</p><p><tt>%1</tt></p>"
                               "</body></html>")
                    .arg(path.toHtmlEscaped()));
        return;
    }
    probe.close();
    m_showsError = false;
    // Forget the pictures of the previous load so that they are read again too.
    document()->clear();
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (source() == url)
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

QVariant BrowserView::loadResource(int type, const QUrl& name)
{
    // Pages are text in the program's code page, whatever their meta tag says.
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
        QFile file(name.toLocalFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QString html = textfile::decodeLines(file.readAll()).join(QLatin1Char('\n'));
        // The toolkit's HTML reader takes an unclosed <link> for a container and
        // hides everything after it; a link element never has content.
        static const QRegularExpression link(QStringLiteral("<link\\b([^>]*[^/>])?\\s*>"),
                                             QRegularExpression::CaseInsensitiveOption);
        html.replace(link, QStringLiteral("<link\\1/>"));
        return html;
    }
    return QTextBrowser::loadResource(type, name);
}

void BrowserView::followLink(const QUrl& url)
{
    // A link to a place in the page itself scrolls there.
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        scrollToAnchor(url.fragment());
        return;
    }
    m_prompts.openUrl(url.toString());
}
