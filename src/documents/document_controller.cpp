#include "documents/document_controller.h"

#include "chordlist/chord_list_model.h"
#include "chordlist/list_controller.h"
#include "chords/chooser_controller.h"
#include "core/app_context.h"
#include "core/document_state.h"
#include "core/errors.h"
#include "core/file_reader.h"
#include "core/prompts.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "documents/chord_list_document.h"
#include "documents/document_view.h"
#include "documents/list_file.h"

#include <QFileInfo>
#include <QWidget>

#include <exception>

namespace {

const QString ListFolder = QStringLiteral("liste");
const QString UnsavedQuestion = QStringLiteral("Lista non salvata. Salvarla ora?");
const QString EmptyListNotice = QStringLiteral("Lista Vuota! Salvataggio annullato.");

} // namespace

DocumentController::DocumentController(AppContext& ctx, ChordListDocument& document,
                                       DocumentView& view, ChooserController& chooser,
                                       ListController& list, QWidget* window)
    : QObject(window), m_ctx(ctx), m_document(document), m_view(view), m_chooser(chooser),
      m_list(list), m_window(window)
{
}

void DocumentController::loadRecentFiles()
{
    m_recentFiles.load(
        textfile::readLines(m_ctx.configPath(), filereader::ConfigBytes, filereader::ConfigBytes));
    showRecentCaptions();
}

void DocumentController::showRecentCaptions()
{
    m_view.showRecentFiles(m_recentFiles.entries());
}

void DocumentController::markModified()
{
    const bool wasModified = m_document.state().listModified;
    m_document.setModified(true);
    m_view.showCaption(document::modifiedCaption(m_document.state().currentListFile));
    if (!wasModified)
        m_view.showBanner(true);
}

void DocumentController::markClean(const QString& path)
{
    m_document.setModified(false);
    m_view.showCaption(document::cleanCaption(path));
    m_view.showBanner(false);
}

void DocumentController::titleEdited(const QString& title)
{
    m_document.setTitle(title);
    if (m_document.titleDiffersFromFile())
        markModified();
}

bool DocumentController::settleUnsavedChanges()
{
    if (!m_document.state().listModified || m_document.entries().isEmpty())
        return true;
    switch (m_ctx.prompts->question(m_window, UnsavedQuestion, true)) {
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
    return !m_document.state().listModified;
}

bool DocumentController::refuseEmptyList()
{
    if (!m_document.entries().isEmpty())
        return false;
    m_ctx.prompts->information(m_window, EmptyListNotice);
    return true;
}

void DocumentController::saveListOrSaveAs()
{
    if (m_document.state().listHasFile)
        saveList();
    else
        saveListAs();
}

void DocumentController::saveList()
{
    if (refuseEmptyList())
        return;
    const DocumentState& doc = m_document.state();
    if (!doc.listHasFile) {
        saveUnderNewName(QStringLiteral("Salva lista..."));
        return;
    }
    writeListFile(doc.currentListFile);
    m_view.showStatus(doc.currentListFile);
    markClean(doc.currentListFile);
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
    Prompts& prompts = *m_ctx.prompts;
    Prompts::FileDialog dialog;
    dialog.title = dialogTitle;
    dialog.filter = ListFile::DialogFilter;
    dialog.startFolder = ListFolder;
    dialog.proposedName = m_document.title() + ListFile::Extension;
    dialog.overwritePrompt = true;
    const std::optional<QString> chosen = prompts.saveFileName(m_window, dialog);
    if (!chosen)
        return;

    // The dialog's own overwrite prompt judged the name as typed; a file that
    // only the appended extension hits is not replaced without asking.
    const QString path = withListExtension(*chosen);
    if (path != *chosen && QFileInfo::exists(path)) {
        const QString question = QStringLiteral("Il file %1 esiste già.\nSostituirlo?").arg(path);
        if (prompts.question(m_window, question, false) != Prompts::Answer::Yes)
            return;
    }

    writeListFile(path);
    ChordListDocument& doc = m_document;
    doc.setCurrentListFile(path);
    doc.setHasFile(true);
    m_view.showStatus(path);
    markCleanThen(path, [this, &path] { recordRecent(path); });
}

void DocumentController::writeListFile(const QString& path)
{
    textfile::writeLines(path, m_document.takeLinesForWriting());
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
    const std::optional<QString> chosen = m_ctx.prompts->openFileName(m_window, dialog);
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
    const QString path = m_view.recentItem(k);
    if (!settleUnsavedChanges())
        return;
    if (path.isEmpty() || path == QStringLiteral("-"))
        return;
    loadListFile(path, [this, k, &path] {
        RecentFiles& recent = m_recentFiles;
        if (recent.entry(k) != path) {
            recordRecent(path);
            return;
        }
        if (recent.updateBySlot(k)) {
            writeRecentFiles();
            showRecentCaptions();
        }
    });
}

void DocumentController::showRecentFiles()
{
    if (m_recentFiles.count() == 0)
        return;
    m_view.popUpRecentFiles();
}

void DocumentController::loadListFile(const QString& path, const std::function<void()>& bookkeeping)
{
    const QStringList lines = textfile::readLines(path);
    // Nothing after the load can fail on the file's content.
    ChordListDocument& doc = m_document;
    doc.load(lines, m_chooser.pictureOnDisplay());
    ChordListModel& list = doc.entries();

    m_view.showCaption(document::cleanCaption(path));
    m_view.showStatus(path);
    m_view.showEntryCount(list.count());
    m_view.showSelectedNumber(0);
    // The old selection would name an entry of this list the user never picked.
    m_list.forgetSelection();
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
    ChordListDocument& doc = m_document;
    ChordListModel& list = doc.entries();

    doc.setTitle(texts::ListTitle);
    m_view.showBanner(false);
    list.clearLines();
    m_view.showCaption(document::cleanCaption(document::newListName()));
    m_view.showStatus(document::newListName());
    doc.setInformation({});
    list.clearPictures();

    m_chooser.clearChoice();

    list.setEntrySelected(false);
    m_view.showSelectedNumber(0);
    m_view.enableSelectedNumber(false);
    m_view.showEntryCount(0);

    list.setSelectedPos(0);
    doc.setFromFile(false);
    doc.setHasFile(false);
    doc.setModified(false);
    doc.setCurrentListFile(document::newListName());

    emit listCleared();
}

void DocumentController::markCleanThen(const QString& path,
                                       const std::function<void()>& bookkeeping)
{
    std::exception_ptr bannerError;
    try {
        markClean(path);
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
    if (!filereader::isLastingFile(path))
        return;
    m_recentFiles.updateByName(path);
    writeRecentFiles();
    showRecentCaptions();
}

void DocumentController::writeRecentFiles()
{
    textfile::writeLines(m_ctx.configPath(), m_recentFiles.configLines());
}
