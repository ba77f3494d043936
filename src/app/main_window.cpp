#include "app/main_window.h"

#include "ui_main_window.h"

#include "chordlist/chord_list_model.h"
#include "chords/chooser_controller.h"
#include "chords/chord_catalogue.h"
#include "chords/chord_diagram_painter.h"
#include "chords/strum_controller.h"
#include "chords/voicing_table.h"
#include "core/author.h"
#include "core/colour_theme.h"
#include "core/prompts.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "documents/document_controller.h"
#include "documents/list_controller.h"
#include "documents/transpose_controller.h"
#include "export/export_controller.h"
#include "htmlpage/page_controller.h"
#include "shell/guard.h"
#include "shell/shortcut_priority.h"
#include "shell/window_system.h"
#include "ui/style/design_font.h"
#include "ui/style/tool_icons.h"
#include "ui/widgets/code_page_validator.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/radio_button.h"
#include "ui/widgets/radio_group.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <type_traits>

namespace {

QColor toColor(const ColourTheme::Rgb& c)
{
    return QColor(c.r, c.g, c.b);
}

ColourTheme::Rgb toRgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

// A colour of the window's own comes with the text colour that reads on it, whatever the
// system palette's text colour is; a disabled text stays apart from it, half way between.
void setBackground(QWidget* w, const QColor& colour, QPalette::ColorRole role = QPalette::Window)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    const QColor text = toColor(ColourTheme::textOn(toRgb(colour)));
    const QColor disabled =
        QColor::fromRgbF((text.redF() + colour.redF()) / 2, (text.greenF() + colour.greenF()) / 2,
                         (text.blueF() + colour.blueF()) / 2);
    // The text roles of the colour set, and only those: a field inside a panel keeps the
    // system's Base and so the system's Text.
    QList<QPalette::ColorRole> texts{QPalette::Text};
    if (role == QPalette::Window) {
        p.setColor(QPalette::Button, colour);
        texts = {QPalette::WindowText, QPalette::ButtonText};
    }
    for (QPalette::ColorRole r : texts) {
        p.setColor(r, text);
        p.setColor(QPalette::Disabled, r, disabled);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A control outside the colour theme: the roles the theme gives its containers, the
// colours and the texts on them, are pinned to the application's own, so that they do
// not reach it.
void keepOwnColours(QWidget* w)
{
    const QPalette own = QApplication::palette(w);
    QPalette p = w->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::WindowText,
                                     QPalette::ButtonText, QPalette::Base, QPalette::Text}) {
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setBrush(group, role, own.brush(group, role));
    }
    w->setPalette(p);
}

// The hint is what a screen reader gives as the control's description; a
// control without a caption of its own is also named by it.
void setHint(QWidget* w, const QString& hint, bool captioned = false)
{
    w->setToolTip(hint);
    w->setAccessibleDescription(hint);
    if (!captioned)
        w->setAccessibleName(hint);
}

// The designed 8-point captions are narrower than DejaVu Sans; the condensed cut
// keeps the captions of the small fixed-size controls whole.
QFont compactFont()
{
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setPointSize(QApplication::font().pointSize() > 0 ? QApplication::font().pointSize() : 8);
    f.setBold(false);
    f.setItalic(false);
    return f;
}

} // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx), m_ui(std::make_unique<Ui::MainWindow>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(document::cleanCaption(document::newListName()));
    setWindowIconText(m_ctx.applicationTitle);
    m_ctx.onTitleChanged = [this](const QString& title) {
        setWindowIconText(title);
        // The task-bar text follows each tick, also while nothing else happens.
        flushWindowSystem();
    };

    m_ui->setupUi(this);
    m_ui->client->setFixedSize(624, 436);
    createControls();
    createMenus();
    keepOwnColours(menuBar());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    ChordListDocument& document = *m_ctx.document;
    m_chooser = new ChooserController(
        *this,
        [&document](const QString& picture) { document.entries().setPendingPicture(picture); },
        m_ctx.programDir, this);
    m_documents = new DocumentController(m_ctx, document, *this, *m_chooser, this);
    m_listController = new ListController(m_ctx, document, *m_documents, *m_chooser, *this, this);
    connect(m_documents, &DocumentController::selectionForgotten, m_listController,
            &ListController::forgetSelection);
    m_page = new PageController(m_ctx, document, *m_documents, this);
    m_export = new ExportController(m_ctx, document, this);
    m_transpose = new TransposeController(m_ctx, document, *m_documents, this);
    m_strum = new StrumController(m_ctx, *this, this);
    connectControllers();
    connectShellCommands();
    // Ctrl+A opens a list and Ctrl+S saves it even from the title field, which
    // would otherwise select its text or take the key for itself.
    QList<QKeySequence> commandKeys;
    for (const QAction* a :
         actions() + m_ui->File1->actions() + m_ui->Accordo1->actions() + m_ui->Help1->actions())
        commandKeys += a->shortcuts();
    new ShortcutPriority(this, commandKeys);

    connectGuarded(m_ui->Edit1, &QLineEdit::textChanged, this, m_ctx, this,
                   [this](const QString& text) { m_documents->titleEdited(text); });
    connect(m_ctx.document, &ChordListDocument::titleChanged, m_ui->Edit1,
            [this](const QString& title) {
                if (m_ui->Edit1->text() != title)
                    m_ui->Edit1->setText(title);
            });
    connect(Timer1, &QTimer::timeout, this, &MainWindow::titleTick);

    // The colour theme is drawn as the start-up's last step; a start-up stopped
    // by an error keeps the designed colours.
    if (!guarded(m_ctx, this, [this] { runStartup(); }))
        applyTheme(toColor(ColourTheme::designed().background),
                   toColor(ColourTheme::designed().title), toColor(ColourTheme::designed().list));
    Timer1->start();
}

MainWindow::~MainWindow()
{
    m_ctx.onTitleChanged = nullptr;
}

void MainWindow::createControls()
{
    // The dividers of the tool bar are lines without a name.
    for (QFrame* line : {m_ui->divider1, m_ui->divider2})
        line->setObjectName(QString());

    m_ui->ToolBar1->setAutoFillBackground(true);
    keepOwnColours(m_ui->ToolBar1);
    const std::pair<QToolButton*, ToolIcon> tools[] = {
        {m_ui->RxSpeedButton1, ToolIcon::NewList},
        {m_ui->RxSpeedButton3, ToolIcon::OpenList},
        {m_ui->freccia, ToolIcon::RecentFiles},
        {m_ui->RxSpeedButton4, ToolIcon::SaveList},
        {m_ui->RxSpeedButton5, ToolIcon::ListInformation},
        {m_ui->RxSpeedButton6, ToolIcon::Help},
        {m_ui->RxSpeedButton7, ToolIcon::About}};
    for (const auto& [button, icon] : tools)
        button->setIcon(toolIcon(icon));
    // The hints the tool buttons share with the menus and the other windows.
    const std::pair<QToolButton*, QString> hints[] = {
        {m_ui->RxSpeedButton1, texts::NewList},
        {m_ui->RxSpeedButton3, texts::OpenList},
        {m_ui->RxSpeedButton4, texts::SaveListAs},
        {m_ui->RxSpeedButton5, texts::ListInformation}};
    for (const auto& [button, hint] : hints) {
        button->setToolTip(hint);
        button->setAccessibleName(hint);
    }

    m_ui->Panel1->setText(texts::NothingChosen);
    {
        QFont f = designFont(QStringLiteral("Bookman Old Style"));
        f.setPixelSize(21);
        f.setBold(true);
        f.setItalic(true);
        m_ui->Panel1->setFont(f);
        keepOwnColours(m_ui->Panel1);
        QPalette p = m_ui->Panel1->palette();
        // Blue on the system's hint colour, made lighter where that colour is dark.
        p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
        p.setColor(QPalette::WindowText,
                   toColor(ColourTheme::readableOn({0, 0, 255}, toRgb(p.color(QPalette::Window)))));
        m_ui->Panel1->setPalette(p);
        m_ui->Panel1->setAutoFillBackground(true);
    }
    m_ui->BitBtn2->setIcon(toolIcon(ToolIcon::RiffEditor));
    m_ui->BitBtn2->setToolTip(texts::RiffEditorTitle);
    m_ui->BitBtn1->setIcon(toolIcon(ToolIcon::ScreenSaver));
    m_ui->BitBtn1->setToolTip(texts::ScreenSaverTitle);
    for (QPushButton* b : {m_ui->BitBtn1, m_ui->BitBtn2}) {
        b->setIconSize(QSize(12, 12));
        b->setFont(compactFont());
    }

    setHint(m_ui->Image2, QStringLiteral("***Virmosk*** Sito Internet: ") + author::webPage() +
                              QStringLiteral(" E-mail : ") + author::email());

    m_ui->Edit1->setText(texts::ListTitle);
    setHint(m_ui->Edit1, texts::ListTitle);
    auto* titleValidator = new CodePageValidator(m_ui->Edit1);
    m_ui->Edit1->setValidator(titleValidator);
    connect(
        titleValidator, &CodePageValidator::refused, this,
        [this](const QString& character) {
            m_ctx.prompts->information(this, CodePageValidator::refusedMessage(character));
        },
        Qt::QueuedConnection);

    // Our font needs more than the designed 113 pixels for the caption: the box
    // widens about its centre, still within the white frame.
    const int secposWidth = std::max(113, m_ui->secpos->sizeHint().width());
    m_ui->secpos->setGeometry(163 + (113 - secposWidth) / 2, 232, secposWidth, 17);
    m_ui->secpos->hide();
    // On a HiDPI screen the fingering is drawn at the screen's resolution rather than
    // scaled up from its picture.
    m_ui->gif->setSharpPicture([](const QString& path, QSize size, qreal ratio) {
        const chords::Voicing* voicing =
            chords::voicingForPicture(document::fileNamePart(path).toStdString());
        return voicing ? chords::renderDiagram(chords::fingeringOf(*voicing), size, ratio)
                       : QImage();
    });

    m_ui->ListBox1->setModel(&m_ctx.document->entries());

    m_ui->Button5->setToolTip(texts::PagePreview);
    m_ui->Label1->move(55, 58);
    m_ui->Label1->adjustSize();
    for (QLineEdit* e : {m_ui->Edit2, m_ui->Edit3})
        e->setTextMargins(0, 0, 0, 0);
    for (QPushButton* b :
         {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Button4, m_ui->Button5})
        b->setFont(compactFont());
    m_ui->americana->setFont(compactFont());
    m_ui->spazio->setFont(compactFont());

    setHint(m_ui->StatusBar1, texts::ListFileName);
    m_ui->StatusPanel0->setText(texts::NewList);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    for (QWidget* w :
         std::initializer_list<QWidget*>{m_ui->BitBtn1, m_ui->BitBtn2, m_ui->Button1, m_ui->Button2,
                                         m_ui->Button3, m_ui->Button4, m_ui->Button5})
        keepOwnColours(w);
    // The box is white with a green caption, red while ticked.
    keepOwnColours(m_ui->secpos);
    QPalette box = m_ui->secpos->palette();
    box.setColor(QPalette::Window, Qt::white);
    box.setColor(QPalette::Button, Qt::white);
    m_ui->secpos->setPalette(box);
    m_ui->secpos->setAutoFillBackground(true);
    colourSecondPositionBox(QColor(0, 128, 0));
}

void MainWindow::createMenus()
{
    // A layout file holds one shortcut per action; these have a second.
    m_ui->Apri1->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+A")), QKeySequence(QStringLiteral("Ctrl+O"))});
    m_ui->Guida1->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+G")), QKeySequence(QKeySequence::HelpContents)});
    m_ui->freccia->setMenu(m_ui->recenti);

    // F10 opens the first menu, as in most desktop programs.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(m_ui->File1->menuAction()); });
}

void MainWindow::connectShellCommands()
{
    auto bind = [this](QAction* a, void (MainWindow::*handler)()) {
        connectGuarded(a, &QAction::triggered, this, m_ctx, this,
                       [this, handler] { (this->*handler)(); });
    };
    connect(m_ui->Esci1, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->Esci2, &QAction::triggered, this, &QWidget::close);
    bind(m_ui->Guida1, &MainWindow::showHelp);
    connect(m_ui->RxSpeedButton6, &QToolButton::clicked, m_ui->Guida1, &QAction::trigger);
    bind(m_ui->Informazionilistaaggiuntive1, &MainWindow::showAdditionalInformation);
    bind(m_ui->Informazionilistaaggiuntive2, &MainWindow::showAdditionalInformation);
    connect(m_ui->RxSpeedButton5, &QToolButton::clicked, m_ui->Informazionilistaaggiuntive1,
            &QAction::trigger);
    connectGuarded(m_ui->Image2, &PictureView::clickedPicture, this, m_ctx, this,
                   [this] { openWebLink(); });
    connectGuarded(m_ui->BitBtn2, &QPushButton::clicked, this, m_ctx, this,
                   [this] { showRiffEditor(); });
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &MainWindow::screenSaverRequested);
    connect(m_ui->Info1, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(m_ui->RxSpeedButton7, &QToolButton::clicked, this, &MainWindow::aboutRequested);
    // "Accordo", also the context menu of the picture and its frame. The strum's own
    // shortcut plays the chord anywhere in the window; the item only shows the key (its
    // shortcut is the menu's alone), so that the key is not claimed twice.
    connect(m_ui->Diteggiature1, &QAction::triggered, this, &MainWindow::fingeringsRequested);
    connect(m_ui->Ascoltalaccordo1, &QAction::triggered, m_strum, &StrumController::strum);
}

void MainWindow::runStartup()
{
    // The program folder comes from the context, set before the window exists.
    showBanner(false);
    m_ui->Edit2->setEnabled(false);
    m_ctx.document->setCurrentListFile(document::newListName());

    m_documents->loadRecentFiles();

    const unsigned seed = m_ctx.seedSource
                              ? m_ctx.seedSource()
                              : static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay());
    m_ctx.random.seed(seed);
    const int a = m_ctx.draw(999);
    const int b = m_ctx.draw(999);
    const ColourTheme theme = ColourTheme::fromDraws(a, b);
    applyTheme(toColor(theme.background), toColor(theme.title), toColor(theme.list));
}

void MainWindow::applyTheme(const QColor& background, const QColor& title, const QColor& list)
{
    setBackground(this, background);
    setBackground(centralWidget(), background);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_ui->note, m_ui->toni, m_ui->Panel3, m_ui->Panel2, m_ui->GroupBox1, m_ui->Label1,
             m_ui->spazio, m_ui->StatusBar1, m_ui->americana})
        setBackground(w, background);
    setBackground(m_ui->Edit1, title, QPalette::Base);
    setBackground(m_ui->ListBox1, list, QPalette::Base);
}

void MainWindow::showEntryCount()
{
    showEntryCount(m_ctx.document->entries().count());
}

void MainWindow::titleTick()
{
    m_titleScrollPos = titlescroll::next(m_titleScrollPos);
    m_ctx.setApplicationTitle(titlescroll::window(m_titleScrollPos));
}

bool MainWindow::closeQuery()
{
    return m_documents->settleUnsavedChanges();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    bool allow = false;
    guarded(m_ctx, this, [&] { allow = closeQuery(); });
    if (allow) {
        event->accept();
        emit mainWindowClosed();
    } else {
        event->ignore();
    }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    m_ui->PopupMenu1->popup(event->globalPos());
}

void MainWindow::showHelp()
{
    // The help document lies beside the program.
    m_ctx.prompts->openDocument(m_ctx.programDir + QStringLiteral("Corvalto 3.0 Help.html"));
}

void MainWindow::openWebLink()
{
    m_ctx.prompts->openUrl(author::webPage());
}

void MainWindow::connectControllers()
{
    // The handler takes the signal's arguments when it can, as connectGuarded does.
    auto guard = [this](auto* sender, auto signal, auto* controller, auto handler) {
        connectGuarded(
            sender, signal, controller, m_ctx, this,
            [ controller, handler ](
                auto... args) requires std::is_invocable_v<decltype(handler), decltype(controller),
                                                           decltype(args)...> {
                std::invoke(handler, controller, args...);
            });
    };
    ChooserController* chooser = m_chooser;
    guard(m_ui->note, &RadioGroup::clicked, chooser, &ChooserController::noteClick);
    guard(m_ui->toni, &RadioGroup::clicked, chooser, &ChooserController::toniClick);
    guard(m_ui->secpos, &QCheckBox::toggled, chooser, &ChooserController::secposClick);
    guard(m_ui->spazio, &RadioButton::selected, chooser, &ChooserController::spazioClick);
    guard(m_ui->americana, &QCheckBox::toggled, chooser, &ChooserController::americanaClick);
    connect(m_ui->gif, &PictureView::pictureChanged, chooser, &ChooserController::describePicture);
    chooser->describePicture();

    ListController* list = m_listController;
    guard(m_ui->Button1, &QPushButton::clicked, list, &ListController::add);
    guard(m_ui->Button4, &QPushButton::clicked, list, &ListController::insert);
    guard(m_ui->Button2, &QPushButton::clicked, list, &ListController::remove);
    guard(m_ui->Button3, &QPushButton::clicked, list, &ListController::clear);
    // Mouse clicks and the list's keyboard navigation both end in a selection change. A
    // click on the entry already highlighted changes no selection, yet it shows that entry
    // again all the same: the press is seen before the list handles it, and Select runs
    // from it when the list's handling of it changed no selection.
    connect(m_ui->ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, list,
            [this, list](const QItemSelection& selected, const QItemSelection&) {
                m_pressChangedSelection = true;
                if (!selected.indexes().isEmpty())
                    list->rowHighlighted(selected.indexes().constFirst().row());
            });
    connect(m_ui->ListBox1, &QAbstractItemView::pressed, list,
            [this, list](const QModelIndex& index) {
                if (!m_pressChangedSelection && index.isValid() &&
                    m_ui->ListBox1->selectionModel()->isSelected(index))
                    list->rowHighlighted(index.row());
                m_pressChangedSelection = true;
            });
    m_ui->ListBox1->installEventFilter(this);
    m_ui->ListBox1->viewport()->installEventFilter(this);

    DocumentController* documents = m_documents;
    for (QAction* a : {m_ui->Nuovalista1, m_ui->Nuovalista2})
        guard(a, &QAction::triggered, documents, &DocumentController::newList);
    for (QAction* a : {m_ui->Salva1, m_ui->Salvalista1})
        guard(a, &QAction::triggered, documents, &DocumentController::saveList);
    for (QAction* a : {m_ui->Salvaconnome1, m_ui->Salvalistaconnome1})
        guard(a, &QAction::triggered, documents, &DocumentController::saveListAs);
    for (QAction* a : {m_ui->Apri1, m_ui->Aprilista1})
        guard(a, &QAction::triggered, documents, &DocumentController::openList);
    for (QAction* a : {m_ui->Filerecenti1, m_ui->Filerecenti2})
        guard(a, &QAction::triggered, documents, &DocumentController::showRecentFiles);
    // The tool button hinted "Salva lista con nome..." saves in place.
    guard(m_ui->RxSpeedButton1, &QToolButton::clicked, documents, &DocumentController::newList);
    guard(m_ui->RxSpeedButton3, &QToolButton::clicked, documents, &DocumentController::openList);
    guard(m_ui->RxSpeedButton4, &QToolButton::clicked, documents, &DocumentController::saveList);
    const QList<QAction*> recent{m_ui->file11, m_ui->file21, m_ui->file31};
    for (int k = 1; k <= 3; ++k) {
        connectGuarded(recent[k - 1], &QAction::triggered, documents, m_ctx, this,
                       [documents, k] { documents->openRecent(k); });
    }

    guard(m_ui->Button5, &QPushButton::clicked, m_page, &PageController::generatePage);
    for (QAction* a : {m_ui->Trasponilista1, m_ui->Trasponilista2})
        guard(a, &QAction::triggered, m_transpose, &TransposeController::transposeCommand);
    guard(m_ui->Stampa1, &QAction::triggered, m_export, &ExportController::print);
    guard(m_ui->EsportaPDF1, &QAction::triggered, m_export, &ExportController::exportPdf);
    guard(m_ui->EsportaChordPro1, &QAction::triggered, m_export, &ExportController::exportChordPro);
    m_ui->gif->installEventFilter(m_strum);
    m_ui->Shape1->installEventFilter(m_strum);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The Space key in ListBox1 removes the selected entry and goes no further.
    // Only the event is looked at first: the filter also sees the list's last
    // events while the window is being destroyed.
    if (event->type() == QEvent::MouseButtonPress && watched == m_ui->ListBox1->viewport())
        m_pressChangedSelection = false;
    if (event->type() == QEvent::KeyPress && watched == m_ui->ListBox1 &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        guarded(m_ctx, this, [this] { m_listController->remove(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showChordName(const QString& name)
{
    m_ui->Panel1->setText(name);
}

void MainWindow::showChordPicture(const QString& path)
{
    m_ui->gif->load(path);
}

void MainWindow::clearChordPicture()
{
    m_ui->gif->clearPicture();
}

bool MainWindow::hasChordPicture() const
{
    return m_ui->gif->hasPicture();
}

QString MainWindow::chordPictureFile() const
{
    return m_ui->gif->fileName();
}

void MainWindow::showChordHint(const QString& hint)
{
    m_ui->gif->setToolTip(hint);
    m_ui->Shape1->setToolTip(hint);
}

void MainWindow::describeChordPicture(const QString& description)
{
    m_ui->gif->setAccessibleDescription(description);
}

void MainWindow::chooseChord(int root, int type)
{
    if (m_ui->note->itemIndex() == root && m_ui->toni->itemIndex() == type)
        return;
    if (m_ui->note->itemIndex() != root) {
        m_ui->toni->setItemIndex(-1);
        m_ui->note->setItemIndex(root);
    }
    m_ui->toni->setItemIndex(type);
}

void MainWindow::clearChordGroups()
{
    m_ui->note->setItemIndex(-1);
    m_ui->toni->setItemIndex(-1);
}

void MainWindow::showNoteLabels(const QStringList& labels)
{
    m_ui->note->setItems(labels);
}

bool MainWindow::blankSelected() const
{
    return m_ui->spazio->isChecked();
}

void MainWindow::deselectBlank()
{
    m_ui->spazio->deselect();
}

void MainWindow::showSecondPositionBox(bool shown)
{
    m_ui->secpos->setVisible(shown);
}

void MainWindow::untickSecondPositionBox(bool notify)
{
    const QSignalBlocker blocker(notify ? nullptr : m_ui->secpos);
    m_ui->secpos->setChecked(false);
}

void MainWindow::colourSecondPositionBox(const QColor& colour)
{
    // On the box's white the caption keeps 4.5:1: pure red becomes a shade darker.
    QPalette p = m_ui->secpos->palette();
    const QColor text = toColor(ColourTheme::readableOn(toRgb(colour), {255, 255, 255}));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::WindowText, text);
    m_ui->secpos->setPalette(p);
}

void MainWindow::showEntryCount(int count)
{
    m_ui->Edit3->setText(QString::number(count));
    m_ui->ProgressBar1->setValue(count);
}

void MainWindow::showSelectedNumber(int number)
{
    m_ui->Edit2->setText(QString::number(number));
}

void MainWindow::enableSelectedNumber(bool enabled)
{
    m_ui->Edit2->setEnabled(enabled);
}

void MainWindow::clearListHighlight()
{
    m_ui->ListBox1->selectionModel()->clear();
}

void MainWindow::showCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void MainWindow::showStatus(const QString& text)
{
    m_ui->StatusPanel0->setText(text);
}

void MainWindow::showBanner(bool modified)
{
    const QString name = m_ctx.programDir + (modified ? QStringLiteral("imm/virmoskbn")
                                                      : QStringLiteral("imm/virmoskc"));
    // The banner drawn at twice the size where the screen shows two pixels a point or more.
    const QString sharp = name + QStringLiteral("@2x.jpg");
    m_ui->Image2->load(devicePixelRatioF() > 1 && QFileInfo::exists(sharp)
                           ? sharp
                           : name + QStringLiteral(".jpg"));
}

void MainWindow::showRecentFiles(const QStringList& paths)
{
    const QList<QAction*> items{m_ui->file11, m_ui->file21, m_ui->file31};
    for (int i = 0; i < items.size(); ++i) {
        // An item without entry keeps "-", a separator line that cannot be chosen.
        if (i < paths.size()) {
            // The path is kept whole in the item's data; its text doubles "&" so that
            // the menu shows it as typed rather than as a mnemonic.
            const QString& path = paths.at(i);
            items[i]->setSeparator(false);
            items[i]->setData(path);
            items[i]->setText(QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        }
    }
}

QString MainWindow::recentItem(int k) const
{
    const QList<QAction*> items{m_ui->file11, m_ui->file21, m_ui->file31};
    if (k < 1 || k > 3)
        return {};
    return items[k - 1]->isSeparator() ? QStringLiteral("-") : items[k - 1]->data().toString();
}

void MainWindow::popUpRecentFiles()
{
    m_ui->recenti->popup(QCursor::pos());
}
