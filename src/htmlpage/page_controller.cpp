#include "htmlpage/page_controller.h"

#include "app/form1.h"
#include "chordlist/chord_list_model.h"
#include "core/document_state.h"
#include "core/prompts.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "documents/chord_list_document.h"
#include "documents/document_controller.h"
#include "documents/form4.h"
#include "documents/list_file.h"
#include "htmlpage/form3.h"
#include "htmlpage/page_builder.h"
#include "ui/browser_view.h"
#include "ui/guard.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

const QString EmptyListMessage = QStringLiteral("Lista Vuota.");
const QString SaveFirstMessage =
    QStringLiteral("Occorre salvare la lista almeno un volta per poter visualizzare la Pagina "
                   "anteprima lista (Html).");
const QString TitleQuestion =
    QStringLiteral("Il titolo della lista non è stato modificato. Modificarlo ora?");

} // namespace

PageController::PageController(Form1& form) : QObject(&form), m_form(form)
{
    auto run = [this] { generatePage(); };
    connectGuarded(m_form.Button5, &QPushButton::clicked, this, m_form.context(), &m_form, run);
    // Button5 is the main window's cancel button: Esc anywhere in it runs the command.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &m_form);
    escape->setObjectName(QStringLiteral("EscapeShortcut"));
    escape->setContext(Qt::WindowShortcut);
    connectGuarded(escape, &QShortcut::activated, this, m_form.context(), &m_form, run);
}

void PageController::generatePage()
{
    AppContext& ctx = m_form.context();
    ChordListModel& list = m_form.list();
    const DocumentState& doc = m_form.document();

    if (list.isEmpty()) {
        ctx.prompts->information(&m_form, EmptyListMessage);
        return;
    }
    if (!doc.listHasFile) {
        // The page is made from a saved list only; saving now does not make it.
        ctx.prompts->information(&m_form, SaveFirstMessage);
        m_form.documents().saveListAs();
        return;
    }
    if (m_form.listDocument().title() == texts::ListTitle &&
        ctx.prompts->question(&m_form, TitleQuestion, false) == Prompts::Answer::Yes) {
        // The title dialog runs this command again when the user confirms a title.
        if (Form4* form4 = ctx.windows.form4) {
            form4->showWindow();
            form4->raise();
            form4->activateWindow();
        }
        return;
    }

    Form3* preview = ctx.windows.form3;
    // The page shows the list in memory, which may differ from the saved file.
    preview->modificata->setVisible(doc.listModified);
    preview->showPreview();
    m_form.hide();

    const ListFile file = m_form.listDocument().snapshot();
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
    preview->WebBrowser1->navigate(path);
}
