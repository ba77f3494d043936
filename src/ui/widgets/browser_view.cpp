#include "ui/widgets/browser_view.h"

#include "core/errors.h"
#include "core/file_reader.h"
#include "core/prompts.h"
#include "core/text_file.h"
#include "ui/pictures/jpeg_reader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

BrowserView::BrowserView(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &BrowserView::followLink);
}

void BrowserView::navigate(const QString& path)
{
    m_path = path;
    const QFileInfo info(path);
    try {
        filereader::readAll(path, filereader::PageBytes);
    } catch (const CorvaltoError& e) {
        m_showsError = true;
        setHtml(QStringLiteral("<html><body><h3>Impossibile visualizzare la pagina</h3>"
                               "<p>Il file non esiste o non si può leggere:</p><p><tt>%1</tt></p>"
                               "<p>%2</p></body></html>")
                    .arg(path.toHtmlEscaped(), e.message().toHtmlEscaped()));
        return;
    }
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
    // Called from inside the toolkit's machinery: nothing may escape from here,
    // a resource that cannot be read is simply missing from the page.
    QVariant resource;
    try {
        resource = readResource(type, source().resolved(name));
    } catch (const std::exception&) {
    }
    // An empty value, never none: for none the document would open the file itself.
    if (!resource.isValid())
        resource = type == QTextDocument::ImageResource ? QVariant(QImage()) : QVariant(QString());
    return resource;
}

QVariant BrowserView::readResource(int type, const QUrl& url)
{
    // Only local regular files are read, each up to the limit of its kind.
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    switch (type) {
    case QTextDocument::HtmlResource: {
        // Pages are text in the program's code page, whatever their meta tag says.
        const QByteArray bytes = filereader::readAll(path, filereader::PageBytes);
        QString html = textfile::decodeLines(bytes).join(QLatin1Char('\n'));
        // The toolkit's HTML reader takes an unclosed <link> for a container and
        // hides everything after it; a link element never has content.
        static const QRegularExpression link(QStringLiteral("<link\\b([^>]*[^/>])?\\s*>"),
                                             QRegularExpression::CaseInsensitiveOption);
        html.replace(link, QStringLiteral("<link\\1/>"));
        return html;
    }
    case QTextDocument::StyleSheetResource:
        return textfile::decodeLines(filereader::readAll(path, filereader::PictureBytes))
            .join(QLatin1Char('\n'));
    case QTextDocument::ImageResource: {
        QBuffer data;
        data.setData(filereader::readAll(path, filereader::PictureBytes));
        data.open(QIODevice::ReadOnly);
        QImageReader reader(&data);
        const QSize size = reader.size();
        if (size.isValid() && !isPictureSizeAllowed(size))
            return {};
        return reader.read();
    }
    default:
        return {};
    }
}

void BrowserView::followLink(const QUrl& url)
{
    // A link to a place in the page itself scrolls there.
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        scrollToAnchor(url.fragment());
        return;
    }
    if (m_prompts)
        m_prompts->openUrl(url.toString());
}
