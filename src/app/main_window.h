#pragma once

#include "chordlist/list_view.h"
#include "chords/chooser_view.h"
#include "core/app_context.h"
#include "core/document_state.h"
#include "documents/chord_list_document.h"
#include "documents/document_view.h"
#include "documents/recent_files.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

namespace Ui {
class MainWindow;
}

class ChordListModel;
class ChooserController;
class DocumentController;
class ListController;
class PageController;
class ExportController;
class TransposeController;
class StrumController;
class PictureView;
class RadioButton;
class RadioGroup;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;

// The main window: the chord reference and the chord list document it shows
// (the context's). It keeps its controls to itself: the controllers it creates
// run the commands and tell it what to show through the views it implements.
class MainWindow : public QMainWindow, private ChooserView, private ListView, private DocumentView
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~MainWindow() override;

    ChordListDocument& listDocument() { return *m_ctx.document; }

    ChooserController& chooser() { return *m_chooser; }
    ListController& listController() { return *m_listController; }
    DocumentController& documents() { return *m_documents; }
    PageController& page() { return *m_page; }
    ExportController& exporter() { return *m_export; }
    TransposeController& transposer() { return *m_transpose; }
    StrumController& strum() { return *m_strum; }

    // Edit3 and ProgressBar1 follow the number of entries.
    void showEntryCount();
    // The scrolling application title, one tick of Timer1.
    void titleTick();

    // Commands that other windows run as if their control had been used.
    void showRiffEditor() { emit riffEditorRequested(); }
    void showAdditionalInformation() { emit informationRequested(); }
    // Picks the root, then the type, in the chooser's groups as a user's clicks do, so the
    // chord is named as the type group completes it; nothing runs when both are picked.
    void chooseChord(int root, int type);

signals:
    // Closing the main window ends the program.
    void mainWindowClosed();
    // Windows the user asks for: the About box, the screen saver's settings,
    // the riff editor and the additional list information.
    void aboutRequested();
    void screenSaverRequested();
    void riffEditorRequested();
    void informationRequested();
    // "Diteggiature...": every way to play the chord on display.
    void fingeringsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ChooserView
    void showChordName(const QString& name) override;
    void showChordPicture(const QString& path) override;
    void clearChordPicture() override;
    bool hasChordPicture() const override;
    QString chordPictureFile() const override;
    void showChordHint(const QString& hint) override;
    void describeChordPicture(const QString& description) override;
    void clearChordGroups() override;
    void showNoteLabels(const QStringList& labels) override;
    bool blankSelected() const override;
    void deselectBlank() override;
    void showSecondPositionBox(bool shown) override;
    void untickSecondPositionBox(bool notify) override;
    void colourSecondPositionBox(const QColor& colour) override;
    // ListView and DocumentView
    void showEntryCount(int count) override;
    void showSelectedNumber(int number) override;
    void enableSelectedNumber(bool enabled) override;
    void clearListHighlight() override;
    void showCaption(const QString& caption) override;
    void showStatus(const QString& text) override;
    void showBanner(bool modified) override;
    void showRecentFiles(const QStringList& paths) override;
    QString recentItem(int k) const override;
    void popUpRecentFiles() override;

    // Colours of the theme: background, Edit1, ListBox1.
    void applyTheme(const QColor& background, const QColor& title, const QColor& list);
    void showHelp();
    void openWebLink();
    void createControls();
    void createMenus();
    void connectShellCommands();
    void connectControllers();
    void runStartup();
    bool closeQuery();

    AppContext& m_ctx;
    // The controls, menus and actions of the layout file; the timer, built here.
    std::unique_ptr<Ui::MainWindow> m_ui;
    QTimer* Timer1 = nullptr;

    int m_titleScrollPos = 0;
    // Whether the list's handling of the last mouse press on it changed its selection.
    bool m_pressChangedSelection = true;

    ChooserController* m_chooser = nullptr;
    ListController* m_listController = nullptr;
    DocumentController* m_documents = nullptr;
    PageController* m_page = nullptr;
    ExportController* m_export = nullptr;
    TransposeController* m_transpose = nullptr;
    StrumController* m_strum = nullptr;
};
