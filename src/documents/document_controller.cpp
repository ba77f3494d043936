#include "documents/document_controller.h"

#include "app/form1.h"
#include "chordlist/chord_list_model.h"
#include "chordlist/list_controller.h"
#include "chords/chooser_controller.h"
#include "chords/chord_catalogue.h"
#include "core/document_state.h"
#include "core/prompts.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "documents/chord_list_document.h"
#include "documents/list_file.h"
#include "riff/form8.h"
#include "ui/guard.h"
#include "ui/picture_view.h"
#include "ui/radio_group.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QToolButton>

#include <exception>

namespace {

const QString ListFolder = QStringLiteral("liste");
const QString UnsavedQuestion = QStringLiteral("Lista non salvata. Salvarla ora?");
const QString EmptyListNotice = QStringLiteral("Lista Vuota! Salvataggio annullato.");

} // namespace

DocumentController::DocumentController(Form1& form) : QObject(&form), m_form(form)
{
    connectCommands();
}

void DocumentController::connectCommands()
{
    Form1& f = m_form;
    auto bind = [this](QAction* action, void (DocumentController::*command)()) {
        connectGuarded(action, &QAction::triggered, this, m_form.context(), &m_form,
                       [this, command] { (this->*command)(); });
    };
    bind(f.Nuovalista1, &DocumentController::newList);
    bind(f.Nuovalista2, &DocumentController::newList);
    bind(f.Salva1, &DocumentController::saveList);
    bind(f.Salvalista1, &DocumentController::saveList);
    bind(f.Salvaconnome1, &DocumentController::saveListAs);
    bind(f.Salvalistaconnome1, &DocumentController::saveListAs);
    bind(f.Apri1, &DocumentController::openList);
    bind(f.Aprilista1, &DocumentController::openList);
    bind(f.Filerecenti1, &DocumentController::showRecentFiles);
    bind(f.Filerecenti2, &DocumentController::showRecentFiles);

    // The tool button hinted "Salva lista con nome..." saves in place.
    auto button = [this](QToolButton* b, void (DocumentController::*command)()) {
        connectGuarded(b, &QToolButton::clicked, this, m_form.context(), &m_form,
                       [this, command] { (this->*command)(); });
    };
    button(f.RxSpeedButton1, &DocumentController::newList);
    button(f.RxSpeedButton3, &DocumentController::openList);
    button(f.RxSpeedButton4, &DocumentController::saveList);

    const QList<QAction*> recent{f.file11, f.file21, f.file31};
    for (int k = 1; k <= 3; ++k) {
        connectGuarded(recent[k - 1], &QAction::triggered, this, m_form.context(), &m_form,
                       [this, k] { openRecent(k); });
    }
}

bool DocumentController::settleUnsavedChanges()
{
    if (!m_form.document().listModified || m_form.list().isEmpty())
        return true;
    switch (m_form.context().prompts->question(&m_form, UnsavedQuestion, true)) {
    case Prompts::Answer::Cancel:
        return false;
    case Prompts::Answer::No:
        return true;
    case Prompts::Answer::Yes:
        break;
    }
    saveListOrSaveAs();
    // A list that was not saved after all (dialog cancelled, replacement refused)
    // is kept rather than lost; a failed write has thrown already.
    return !m_form.document().listModified;
}

bool DocumentController::refuseEmptyList()
{
    if (!m_form.list().isEmpty())
        return false;
    m_form.context().prompts->information(&m_form, EmptyListNotice);
    return true;
}

void DocumentController::saveListOrSaveAs()
{
    if (m_form.document().listHasFile)
        saveList();
    else
        saveListAs();
}

void DocumentController::saveList()
{
    if (refuseEmptyList())
        return;
    const DocumentState& doc = m_form.document();
    if (!doc.listHasFile) {
        saveUnderNewName(QStringLiteral("Salva lista..."));
        return;
    }
    writeListFile(doc.currentListFile);
    m_form.setStatusText(doc.currentListFile);
    m_form.markClean(doc.currentListFile);
}

void DocumentController::saveListAs()
{
    if (refuseEmptyList())
        return;
    saveUnderNewName(texts::SaveListAs);
}

QString DocumentController::withListExtension(const QString& chosen)
{
    if (document::fileNamePart(chosen).endsWith(ListFile::Extension))
        return chosen;
    return chosen + ListFile::Extension;
}

void DocumentController::saveUnderNewName(const QString& dialogTitle)
{
    Prompts& prompts = *m_form.context().prompts;
    Prompts::FileDialog dialog;
    dialog.title = dialogTitle;
    dialog.filter = ListFile::DialogFilter;
    dialog.startFolder = ListFolder;
    dialog.proposedName = m_form.listDocument().title() + ListFile::Extension;
    dialog.overwritePrompt = true;
    const std::optional<QString> chosen = prompts.saveFileName(&m_form, dialog);
    if (!chosen)
        return;

    // The dialog's own overwrite prompt judged the name as typed; a file that
    // only the appended extension hits is not replaced without asking.
    const QString path = withListExtension(*chosen);
    if (path != *chosen && QFileInfo::exists(path)) {
        const QString question = QStringLiteral("Il file %1 esiste già.\nSostituirlo?").arg(path);
        if (prompts.question(&m_form, question, false) != Prompts::Answer::Yes)
            return;
    }

    writeListFile(path);
    ChordListDocument& doc = m_form.listDocument();
    doc.setCurrentListFile(path);
    doc.setHasFile(true);
    m_form.setStatusText(path);
    markCleanThen(path, [this, &path] { recordRecent(path); });
}

void DocumentController::writeListFile(const QString& path)
{
    textfile::writeLines(path, m_form.listDocument().takeLinesForWriting());
}

void DocumentController::openList()
{
    if (!settleUnsavedChanges())
        return;
    Prompts::FileDialog dialog;
    dialog.title = texts::OpenList;
    dialog.filter = ListFile::DialogFilter;
    dialog.startFolder = ListFolder;
    dialog.overwritePrompt = false;
    const std::optional<QString> chosen = m_form.context().prompts->openFileName(&m_form, dialog);
    if (!chosen)
        return;
    openChosenList(*chosen);
}

void DocumentController::openChosenList(const QString& path)
{
    loadListFile(path, [this, &path] { recordRecent(path); });
}

void DocumentController::openRecent(int k)
{
    // The file that was in slot k when the user chose it, even if a save during
    // the question below puts another file there.
    const QString path = m_form.recentCaption(k);
    if (!settleUnsavedChanges())
        return;
    if (path.isEmpty() || path == QStringLiteral("-"))
        return;
    loadListFile(path, [this, k, &path] {
        RecentFiles& recent = m_form.recentFiles();
        if (recent.entry(k) != path) {
            recordRecent(path);
            return;
        }
        if (recent.updateBySlot(k)) {
            writeRecentFiles();
            m_form.refreshRecentCaptions();
        }
    });
}

void DocumentController::showRecentFiles()
{
    if (m_form.recentFiles().count() == 0)
        return;
    m_form.recenti->popup(QCursor::pos());
}

void DocumentController::loadListFile(const QString& path, const std::function<void()>& bookkeeping)
{
    const QStringList lines = textfile::readLines(path);
    // Nothing after the load can fail on the file's content.
    ChordListDocument& doc = m_form.listDocument();
    doc.load(lines, m_form.chooser().pictureOnDisplay());
    ChordListModel& list = doc.entries();

    m_form.setWindowTitle(document::cleanCaption(path));
    m_form.setStatusText(path);
    m_form.showEntryCount();
    m_form.Edit2->setText(QStringLiteral("0"));
    // The old selection would name an entry of this list the user never picked.
    m_form.listController().forgetSelection();
    list.setSelectedPos(0);

    doc.setCurrentListFile(path);
    doc.setHasFile(true);
    doc.setFromFile(true);
    markCleanThen(path, bookkeeping);
}

void DocumentController::newList()
{
    if (!settleUnsavedChanges())
        return;
    Form1& f = m_form;
    ChordListDocument& doc = f.listDocument();
    ChordListModel& list = doc.entries();

    doc.setTitle(texts::ListTitle);
    f.Image2->load(f.programDir() + QStringLiteral("imm/virmoskc.jpg"));
    list.clearLines();
    f.setWindowTitle(document::cleanCaption(document::newListName()));
    f.setStatusText(document::newListName());
    doc.setInformation({});
    list.clearPictures();

    f.ProgressBar1->setValue(0);
    f.chooser().clearChoice();

    list.setEntrySelected(false);
    f.Edit2->setText(QStringLiteral("0"));
    f.Edit2->setEnabled(false);
    f.Edit3->setText(QStringLiteral("0"));

    list.setSelectedPos(0);
    doc.setFromFile(false);
    doc.setHasFile(false);
    doc.setModified(false);
    doc.setCurrentListFile(document::newListName());

    if (Form8* form8 = f.context().windows.form8)
        form8->clearAll();
}

void DocumentController::markCleanThen(const QString& path,
                                       const std::function<void()>& bookkeeping)
{
    std::exception_ptr bannerError;
    try {
        m_form.markClean(path);
    } catch (...) {
        bannerError = std::current_exception();
    }
    if (bookkeeping)
        bookkeeping();
    if (bannerError)
        std::rethrow_exception(bannerError);
}

void DocumentController::recordRecent(const QString& path)
{
    m_form.recentFiles().updateByName(path);
    writeRecentFiles();
    m_form.refreshRecentCaptions();
}

void DocumentController::writeRecentFiles()
{
    textfile::writeLines(m_form.context().configPath(), m_form.recentFiles().configLines());
}
