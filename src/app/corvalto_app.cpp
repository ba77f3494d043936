#include "app/corvalto_app.h"

#include "app/about_window.h"
#include "app/main_window.h"
#include "chords/chooser_controller.h"
#include "chords/fingerings_panel.h"
#include "chords/strum_controller.h"
#include "core/errors.h"
#include "core/module_symbol.h"
#include "documents/chord_list_document.h"
#include "documents/document_controller.h"
#include "documents/information_window.h"
#include "documents/list_controller.h"
#include "documents/title_dialog.h"
#include "htmlpage/page_controller.h"
#include "htmlpage/page_preview_window.h"
#include "riff/riff_editor.h"
#include "screensaver/saver_settings_window.h"
#include "screensaver/saver_window.h"
#include "shell/accessibility.h"
#include "shell/guard.h"
#include "shell/window_placement.h"
#include "ui/style/program_style.h"
#include "ui/style/sized_icon.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>

CorvaltoApp::CorvaltoApp(AppContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    ProgramStyle::install();
    m_ctx.setApplicationTitle(AppContext::InitialTitle);
    installAccessibility();
    m_ctx.document = new ChordListDocument(this);
    Windows& w = m_windows;
    w.mainWindow = new MainWindow(m_ctx);
    // The window system is given a window's icon as it makes the window, in
    // every size; a window that takes the application's icon is given it twice.
    // The main window has the icon as its own, and the application takes it
    // only once the main window exists (see show()).
    w.mainWindow->setWindowIcon(icon());
    w.aboutWindow = new AboutWindow(m_ctx);
    w.pagePreview = new PagePreviewWindow(m_ctx);
    w.titleDialog = new TitleDialog(m_ctx);
    w.informationWindow = new InformationWindow(m_ctx);
    connect(w.mainWindow, &MainWindow::mainWindowClosed, qApp, &QApplication::quit,
            Qt::QueuedConnection);
    connectWindows();
}

void CorvaltoApp::connectWindows()
{
    Windows& w = m_windows;
    MainWindow* mainWindow = w.mainWindow;

    // The main window's commands that show other windows; errors are reported
    // over the main window.
    AboutWindow* aboutWindow = w.aboutWindow;
    connectGuarded(mainWindow, &MainWindow::aboutRequested, aboutWindow, m_ctx, mainWindow,
                   [aboutWindow] { aboutWindow->aboutCommand(); });
    connectGuarded(mainWindow, &MainWindow::screenSaverRequested, this, m_ctx, mainWindow,
                   [this] { saverSettings()->openSettings(); });
    connectGuarded(mainWindow, &MainWindow::riffEditorRequested, this, m_ctx, mainWindow,
                   [this] { riffEditor()->showWindow(); });
    // The file-name line is offered once the list has a file; nothing withdraws it.
    InformationWindow* informationWindow = w.informationWindow;
    connectGuarded(mainWindow, &MainWindow::informationRequested, informationWindow, m_ctx,
                   mainWindow, [this, informationWindow] {
                       if (m_ctx.document->state().listHasFile)
                           informationWindow->enableFileNameButton();
                       informationWindow->showWindow();
                   });
    connectGuarded(mainWindow, &MainWindow::fingeringsRequested, this, m_ctx, mainWindow,
                   [this] { openFingerings(); });

    // Until the user selects an entry again, remove and insert are refused; the
    // counter keeps showing the old position.
    connect(w.aboutWindow, &AboutWindow::opening, mainWindow,
            [mainWindow] { mainWindow->listController().forgetSelection(); });

    mainWindow->page().setPreview(w.pagePreview);
    mainWindow->page().setTitleDialog(
        [titleDialog = w.titleDialog] { titleDialog->bringForward(); });
    w.pagePreview->setPageSource({[this] { return m_ctx.document->state().currentListFile; },
                                  [mainWindow] { return mainWindow->page().pageFolder(); }});
    connectGuarded(w.pagePreview, &PagePreviewWindow::informationRequested, mainWindow, m_ctx,
                   w.pagePreview, [mainWindow] { mainWindow->showAdditionalInformation(); });
    TitleDialog* titleDialog = w.titleDialog;
    connectGuarded(w.pagePreview, &PagePreviewWindow::titleRequested, titleDialog, m_ctx,
                   w.pagePreview, [titleDialog] { titleDialog->bringForward(); });
    connect(w.pagePreview, &PagePreviewWindow::closing, mainWindow, &QWidget::show);

    // The main window shows the new title and runs its title-change test; the
    // page is made again under the new title.
    ChordListDocument* document = m_ctx.document;
    titleDialog->setTitleHandler([document, mainWindow](const QString& title) {
        document->setTitle(title);
        mainWindow->page().generatePage();
    });

    // Closing the information window brings an open preview up to date first.
    PagePreviewWindow* pagePreview = w.pagePreview;
    w.informationWindow->setBeforeClosing([mainWindow, pagePreview] {
        if (pagePreview->isVisible())
            mainWindow->page().generatePage();
    });
}

// The window, the fingering engine and the ranking cost nothing at start-up: most sessions
// never open it, and its module is loaded only then. Once made, it follows the chord and
// the notation of the main window.
void CorvaltoApp::openFingerings()
{
    if (!m_fingerings) {
        // Throws the loader's message when the module cannot be loaded.
        static ModuleFunction create(QStringLiteral("libcorvalto_fingerings.so"),
                                     CORVALTO_FINGERINGS_ENTRY);
        m_fingerings = reinterpret_cast<CreateFingeringsPanel>(create.function())();
        FingeringsPanel* window = m_fingerings;
        MainWindow* mainWindow = m_windows.mainWindow;
        ChooserController* chooser = &mainWindow->chooser();
        auto follow = [chooser, window] {
            window->showChord(chooser->chosen().name, chooser->pictureOnDisplay());
        };
        connect(chooser, &ChooserController::chordChanged, window->widget(), follow);
        connect(chooser, &ChooserController::notationChanged, window->widget(),
                [window](bool american) { window->setAmericanNotation(american); });
        StrumPlayer* player = &mainWindow->strum().player();
        window->setStrumHandler([this, window, player](const chords::Pitches& pitches) {
            guarded(m_ctx, window->widget(), [&] { player->playPitches(pitches); });
        });
        window->setChordHandler(
            [mainWindow](int root, int type) { mainWindow->chooseChord(root, type); });
        window->setAmericanNotation(chooser->americanNotation());
        follow();
    }
    m_fingerings->showWindow();
}

SaverSettingsWindow* CorvaltoApp::saverSettings()
{
    Windows& w = m_windows;
    if (!w.saverSettings) {
        w.saverSettings = new SaverSettingsWindow(m_ctx);
        w.saverWindow = new SaverWindow(m_ctx);
        SaverSettingsWindow* settings = w.saverSettings;
        SaverWindow* saverWindow = w.saverWindow;
        connect(settings, &SaverSettingsWindow::depthChosen, saverWindow, &SaverWindow::setDepth);
        connectGuarded(settings, &SaverSettingsWindow::startRequested, saverWindow, m_ctx, settings,
                       [saverWindow](const ScreenSaverStart& start) { saverWindow->start(start); });
        saverWindow->setResolutionItemSource([settings] { return settings->resolutionItem(); });
    }
    return w.saverSettings;
}

RiffEditor* CorvaltoApp::riffEditor()
{
    Windows& w = m_windows;
    if (!w.riffEditor) {
        w.riffEditor = new RiffEditor(m_ctx);
        ChordListDocument* document = m_ctx.document;
        w.riffEditor->setListTitleSource([document] { return document->title(); });
        connect(&w.mainWindow->documents(), &DocumentController::listCleared, w.riffEditor,
                &RiffEditor::clearAll);
    }
    return w.riffEditor;
}

const Windows& CorvaltoApp::windows()
{
    saverSettings();
    riffEditor();
    return m_windows;
}

CorvaltoApp::~CorvaltoApp()
{
    delete m_fingerings;
    Windows& w = m_windows;
    delete w.riffEditor;
    delete w.saverWindow;
    delete w.saverSettings;
    delete w.informationWindow;
    delete w.titleDialog;
    delete w.pagePreview;
    delete w.aboutWindow;
    delete w.mainWindow;
    w = Windows{};
    delete m_ctx.document;
    m_ctx.document = nullptr;
}

void CorvaltoApp::show()
{
    centreOnScreen(m_windows.mainWindow);
    m_windows.mainWindow->show();
    // For the other windows and the dialogs, all made later by the window system.
    QApplication::setWindowIcon(m_windows.mainWindow->windowIcon());
}

void CorvaltoApp::openListFile(const QString& path)
{
    MainWindow* mainWindow = m_windows.mainWindow;
    guarded(m_ctx, mainWindow,
            [mainWindow, &path] { mainWindow->documents().openChosenList(path); });
}

QIcon CorvaltoApp::icon()
{
    QList<SizedPicture> pictures;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        pictures.append({QSize(size, size), QStringLiteral(":/icons/%1.argb").arg(size)});
    return sizedIcon(pictures);
}

void CorvaltoApp::installFonts()
{
    QFont::insertSubstitution(QStringLiteral("Bookman Old Style"),
                              QStringLiteral("TeX Gyre Bonum"));
    QFont::insertSubstitution(QStringLiteral("Fixedsys"), QStringLiteral("DejaVu Sans Mono"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPointSize(8);
    QApplication::setFont(base);
}
