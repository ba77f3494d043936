#pragma once

#include "documents/recent_files.h"

#include <QObject>
#include <QString>

#include <functional>

class ChooserController;
class ChordListDocument;
class DocumentView;
class QWidget;
struct AppContext;

// The document commands of the main window: new, open, save, save as, the
// recent files and the unsaved-changes question. Each command throws
// CorvaltoError to its caller; the menus, tool buttons and shortcuts enter them
// through the guard, other commands that run them report through their own.
class DocumentController : public QObject
{
    Q_OBJECT
public:
    // Errors and questions are shown over window.
    DocumentController(AppContext& ctx, ChordListDocument& document, DocumentView& view,
                       ChooserController& chooser, QWidget* window);

    RecentFiles& recentFiles() { return m_recentFiles; }
    // Reads the recent files from config.ini at start-up.
    void loadRecentFiles();
    // The recent-files menu shows the store.
    void showRecentCaptions();

    // The document counts as modified: the flag, then the caption and, on the
    // first change, the banner. The flag and the caption come first, so that a
    // banner that cannot be loaded does not leave a changed list looking saved.
    void markModified();
    // The document counts as saved under path: the flag and the caption, the
    // banner last.
    void markClean(const QString& path);
    // The user edited the title: a title other than the file's is a change.
    void titleEdited(const QString& title);

    void newList();
    void openList();
    // What Open list does with the path its dialog returned; a list given on
    // the command line is opened through it too.
    void openChosenList(const QString& path);
    void saveList();
    void saveListAs();
    // k = 1..3, the items file11, file21 and file31 of recenti.
    void openRecent(int k);
    void showRecentFiles();
    // Save list when the list has a file, otherwise Save list as.
    void saveListOrSaveAs();
    // The unsaved-changes question, shared with the close query; false when the
    // command must end (Cancel, or Yes and the list was not saved after all).
    bool settleUnsavedChanges();

    // Loading is all or nothing: the file is read and checked completely before
    // anything of the document changes. The selection is forgotten, as by a new
    // list. The command's bookkeeping (the recent files) runs once the list is
    // loaded, also when the clean banner then cannot be shown.
    void loadListFile(const QString& path, const std::function<void()>& bookkeeping = {});
    // Rebuilds the list-file buffer from the list and writes it atomically.
    void writeListFile(const QString& path);

    // The path written for a name chosen in the save dialog: ".qvl" is appended
    // unless the name already ends in exactly ".qvl" (case-sensitive).
    static QString withListExtension(const QString& chosen);

signals:
    // A new list has replaced the old one: the riff editor starts empty too.
    void listCleared();
    // Another list was opened: its entries were never selected by the user.
    void selectionForgotten();

private:
    bool refuseEmptyList();
    void saveUnderNewName(const QString& dialogTitle);
    // The mark-clean step, then the bookkeeping of the command that saved or
    // opened path, whatever the banner at the end of mark clean does.
    void markCleanThen(const QString& path, const std::function<void()>& bookkeeping);
    void recordRecent(const QString& path);
    void writeRecentFiles();

    AppContext& m_ctx;
    ChordListDocument& m_document;
    DocumentView& m_view;
    ChooserController& m_chooser;
    QWidget* m_window;
    RecentFiles m_recentFiles;
};
