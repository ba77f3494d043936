#include "htmlpage/page_controller.h"

#include "chordlist/chord_list_model.h"
#include "core/app_context.h"
#include "core/document_state.h"
#include "core/prompts.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "documents/chord_list_document.h"
#include "documents/document_controller.h"
#include "documents/list_file.h"
#include "htmlpage/page_builder.h"
#include "htmlpage/page_preview.h"
#include "shell/guard.h"
#include "ui/widgets/browser_view.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QWidget>

namespace {

const QString EmptyListMessage = QStringLiteral("Lista Vuota.");
const QString SaveFirstMessage =
    QStringLiteral("Occorre salvare la lista almeno un volta per poter visualizzare la Pagina "
                   "anteprima lista (Html).");
const QString TitleQuestion =
    QStringLiteral("Il titolo della lista non è stato modificato. Modificarlo ora?");

} // namespace

PageController::PageController(AppContext& ctx, ChordListDocument& document,
                               DocumentController& documents, QWidget* window)
    : QObject(window), m_ctx(ctx), m_document(document), m_documents(documents), m_window(window)
{
    // Button5 is the main window's cancel button: Esc anywhere in it runs the command.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("EscapeShortcut"));
    escape->setContext(Qt::WindowShortcut);
    connectGuarded(escape, &QShortcut::activated, this, ctx, window, [this] { generatePage(); });
}

void PageController::generatePage()
{
    AppContext& ctx = m_ctx;
    const ChordListModel& list = m_document.entries();
    const DocumentState& doc = m_document.state();

    if (list.isEmpty()) {
        ctx.prompts->information(m_window, EmptyListMessage);
        return;
    }
    if (!doc.listHasFile) {
        // The page is made from a saved list only; saving now does not make it.
        ctx.prompts->information(m_window, SaveFirstMessage);
        m_documents.saveListAs();
        return;
    }
    if (m_document.title() == texts::ListTitle &&
        ctx.prompts->question(m_window, TitleQuestion, false) == Prompts::Answer::Yes) {
        // The title dialog runs this command again when the user confirms a title.
        if (m_showTitleDialog)
            m_showTitleDialog();
        return;
    }

    PagePreview* preview = m_preview;
    // The page shows the list in memory, which may differ from the saved file.
    preview->showListModified(doc.listModified);
    preview->showPreview();
    m_window->hide();

    const ListFile file = m_document.snapshot();
    htmlpage::PageInput input;
    input.title = file.title;
    input.entries = file.entries;
    input.pictures = file.pictures;
    input.information = file.information;
    input.listFile = doc.currentListFile;
    input.programDir = ctx.programDir;
    const QStringList page = htmlpage::buildPage(input);
    preview->setPageLines(page);

    m_pageFolder = document::directoryPart(doc.currentListFile);
    const QString path = htmlpage::pagePath(m_pageFolder, doc.currentListFile);
    textfile::writeLines(path, page);
    preview->showPage(path);
}
