#pragma once

#include <QObject>
#include <QString>

#include <functional>

class ChordListDocument;
class DocumentController;
class PagePreview;
class QWidget;
struct AppContext;

// The "Pagina Html" command of the main window (its button Button5 and Esc):
// writes the HTML page of the saved list beside the list file and shows it in
// the preview window in place of the main window.
class PageController : public QObject
{
    Q_OBJECT
public:
    // window is the main window, which the preview takes the place of; Esc
    // anywhere in it runs the command.
    PageController(AppContext& ctx, ChordListDocument& document, DocumentController& documents,
                   QWidget* window);

    // The command's handler, as the title dialog and the information window run
    // it too. A page that cannot be written throws CorvaltoError to the caller's
    // guard; the preview is shown by then.
    void generatePage();

    // The directory part of the list file at the last generation, with its
    // trailing "/"; empty before the first.
    QString pageFolder() const { return m_pageFolder; }

    // The window the page is shown in.
    void setPreview(PagePreview* preview) { m_preview = preview; }
    // Brings the title dialog forward; confirming a title there runs the
    // command again.
    void setTitleDialog(std::function<void()> show) { m_showTitleDialog = std::move(show); }

private:
    AppContext& m_ctx;
    ChordListDocument& m_document;
    DocumentController& m_documents;
    QWidget* m_window;
    PagePreview* m_preview = nullptr;
    std::function<void()> m_showTitleDialog;
    QString m_pageFolder;
};
