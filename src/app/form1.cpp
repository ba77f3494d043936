#include "app/form1.h"

#include "core/author.h"
#include "app/form2.h"
#include "chordlist/chord_list_model.h"
#include "chordlist/list_controller.h"
#include "chords/chooser_controller.h"
#include "chords/chord_catalogue.h"
#include "chords/strum_controller.h"
#include "core/colour_theme.h"
#include "core/prompts.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "documents/document_controller.h"
#include "documents/form5.h"
#include "htmlpage/page_controller.h"
#include "riff/form8.h"
#include "screensaver/form6.h"
#include "ui/code_page_validator.h"
#include "ui/guard.h"
#include "ui/picture_view.h"
#include "ui/radio_button.h"
#include "ui/radio_group.h"
#include "ui/shortcut_priority.h"
#include "ui/tool_icons.h"
#include "ui/window_system.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QGroupBox>
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

void setBackground(QWidget* w, const QColor& colour, QPalette::ColorRole role = QPalette::Window)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    if (role == QPalette::Window)
        p.setColor(QPalette::Button, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A control outside the colour theme: the roles the theme gives its containers
// are pinned to the application's own, so that they do not reach it.
void keepOwnColours(QWidget* w)
{
    const QPalette own = QApplication::palette(w);
    QPalette p = w->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        p.setBrush(role, own.brush(role));
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

template <typename W>
W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

Form1::Form1(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(document::cleanCaption(document::newListName()));
    setWindowIconText(m_ctx.applicationTitle);
    m_ctx.onTitleChanged = [this](const QString& title) {
        setWindowIconText(title);
        // The task-bar text follows each tick, also while nothing else happens.
        flushWindowSystem();
    };

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(624, 436);
    setCentralWidget(client);
    createControls(client);
    createMenus();
    keepOwnColours(menuBar());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyTheme(toColor(ColourTheme::designed().background), toColor(ColourTheme::designed().title),
               toColor(ColourTheme::designed().list));

    ChordListDocument& document = *m_ctx.document;
    m_chooser = new ChooserController(
        *this, [&document](const QString& picture) { document.entries().setPendingPicture(picture); },
        m_ctx.programDir, this);
    m_listController = new ListController(m_ctx, document.entries(), *m_chooser, *this, this);
    m_documents =
        new DocumentController(m_ctx, document, *this, *m_chooser, *m_listController, this);
    m_page = new PageController(m_ctx, document, *m_documents, this);
    m_strum = new StrumController(m_ctx, *this, this);
    connectControllers();
    connectShellCommands();
    // Ctrl+A opens a list and Ctrl+S saves it even from the title field, which
    // would otherwise select its text or take the key for itself.
    QList<QKeySequence> commandKeys;
    for (const QAction* a : actions() + FileMenu->actions() + HelpMenu->actions())
        commandKeys += a->shortcuts();
    new ShortcutPriority(this, commandKeys);

    connectGuarded(Edit1, &QLineEdit::textChanged, this, m_ctx, this,
                   [this](const QString& text) { m_documents->titleEdited(text); });
    connect(m_ctx.document, &ChordListDocument::titleChanged, Edit1, [this](const QString& title) {
        if (Edit1->text() != title)
            Edit1->setText(title);
    });
    connect(Timer1, &QTimer::timeout, this, &Form1::titleTick);

    guarded(m_ctx, this, [this] { runStartup(); });
    Timer1->start();
}

ChordListModel& Form1::list()
{
    return m_ctx.document->entries();
}

Form1::~Form1()
{
    m_ctx.onTitleChanged = nullptr;
}

void Form1::createControls(QWidget* client)
{
    createToolBar(client);

    Panel1 = named(new QLabel(texts::NothingChosen, client), "Panel1");
    Panel1->setGeometry(0, 28, 624, 33);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    {
        QFont f(QStringLiteral("Bookman Old Style"));
        f.setPixelSize(21);
        f.setBold(true);
        f.setItalic(true);
        Panel1->setFont(f);
        keepOwnColours(Panel1);
        QPalette p = Panel1->palette();
        p.setColor(QPalette::WindowText, Qt::blue);
        p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
        Panel1->setPalette(p);
        Panel1->setAutoFillBackground(true);
    }
    setHint(Panel1, QStringLiteral("Nome accordo"), true);

    BitBtn2 = named(
        new QPushButton(toolIcon(ToolIcon::RiffEditor), QStringLiteral("Riff Editor"), Panel1),
        "BitBtn2");
    BitBtn2->setGeometry(4, 6, 113, 17);
    BitBtn2->setToolTip(texts::RiffEditorTitle);
    BitBtn1 = named(
        new QPushButton(toolIcon(ToolIcon::ScreenSaver), QStringLiteral("Screen Saver"), Panel1),
        "BitBtn1");
    BitBtn1->setGeometry(503, 6, 113, 17);
    BitBtn1->setToolTip(texts::ScreenSaverTitle);
    for (QPushButton* b : {BitBtn1, BitBtn2}) {
        b->setIconSize(QSize(12, 12));
        b->setFont(compactFont());
    }

    note = named(new RadioGroup(QStringLiteral("Note"), chords::noteLabels(false), client), "note");
    note->setGeometry(0, 61, 97, 356);
    setHint(note, QStringLiteral("Scegli una nota"), true);
    toni = named(new RadioGroup(QStringLiteral("Tonalità"), chords::typeLabels(), client), "toni");
    toni->setGeometry(527, 61, 97, 356);
    setHint(toni, QStringLiteral("Scegli una tonalità"), true);

    Bevel1 = named(new QFrame(client), "Bevel1");
    Bevel1->setGeometry(103, 68, 235, 24);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image2 = named(new PictureView(client), "Image2");
    Image2->setGeometry(104, 69, 233, 22);
    Image2->setCursor(Qt::PointingHandCursor);
    setHint(Image2, QStringLiteral("***Virmosk*** Sito Internet: ") + author::webPage() +
                        QStringLiteral(" E-mail : ") + author::email());

    Edit1 = named(new QLineEdit(texts::ListTitle, client), "Edit1");
    Edit1->setGeometry(343, 69, 179, 21);
    setHint(Edit1, texts::ListTitle);
    auto* titleValidator = new CodePageValidator(Edit1);
    Edit1->setValidator(titleValidator);
    connect(
        titleValidator, &CodePageValidator::refused, this,
        [this](const QString& character) {
            m_ctx.prompts->information(this, CodePageValidator::refusedMessage(character));
        },
        Qt::QueuedConnection);

    Shape1 = named(new QFrame(client), "Shape1");
    Shape1->setGeometry(104, 96, 233, 169);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: white; border: 1px solid black; }"));
    gif = named(new PictureView(client), "gif");
    gif->setGeometry(128, 132, 183, 76);
    gif->setStyleSheet(QStringLiteral("background: white;"));
    gif->setAccessibleName(QStringLiteral("Diteggiatura"));
    secpos = named(new QCheckBox(QStringLiteral("Seconda posizione"), client), "secpos");
    secpos->setStyleSheet(QStringLiteral("QCheckBox { background: white; color: rgb(0,128,0); }"));
    // Our font needs more than the designed 113 pixels for the caption: the box
    // widens about its centre, still within the white frame.
    const int secposWidth = std::max(113, secpos->sizeHint().width());
    secpos->setGeometry(163 + (113 - secposWidth) / 2, 232, secposWidth, 17);
    secpos->hide();

    ListBox1 = named(new QListView(client), "ListBox1");
    ListBox1->setGeometry(344, 96, 177, 321);
    ListBox1->setModel(&list());
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setFocusPolicy(Qt::ClickFocus);
    setHint(ListBox1, QStringLiteral("Lista accordi (massimo 300)"));

    Panel3 = named(new QFrame(client), "Panel3");
    Panel3->setGeometry(104, 272, 105, 81);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Button1 = named(new QPushButton(QStringLiteral("Aggiungi in Lista"), Panel3), "Button1");
    Button1->setGeometry(8, 7, 89, 17);
    Button1->setToolTip(QStringLiteral("Aggiunge l'accordo selezionato nella lista"));
    Button3 = named(new QPushButton(QStringLiteral("Cancella Lista"), Panel3), "Button3");
    Button3->setGeometry(8, 29, 89, 17);
    Button3->setToolTip(QStringLiteral("Svuota la lista"));
    Button5 = named(new QPushButton(QStringLiteral("Pagina Html"), Panel3), "Button5");
    Button5->setGeometry(8, 55, 89, 17);
    Button5->setToolTip(texts::PagePreview);

    Panel2 = named(new QFrame(client), "Panel2");
    Panel2->setGeometry(216, 272, 121, 81);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Button4 = named(new QPushButton(QStringLiteral("Inserisci Accordo"), Panel2), "Button4");
    Button4->setGeometry(8, 7, 105, 17);
    Button4->setToolTip(QStringLiteral("Inserisce l'accordo nella lista alla posizione selezionata"));
    Button2 = named(new QPushButton(QStringLiteral("Rimuovi Accordo N°"), Panel2), "Button2");
    Button2->setGeometry(8, 30, 105, 17);
    Button2->setToolTip(QStringLiteral("Rimuove l'accordo selezionato dalla lista"));
    Edit2 = named(new QLineEdit(QStringLiteral("0"), Panel2), "Edit2");
    Edit2->setGeometry(16, 56, 33, 17);
    Label1 = named(new QLabel(QStringLiteral("di"), Panel2), "Label1");
    Label1->move(55, 58);
    Label1->adjustSize();
    Edit3 = named(new QLineEdit(QStringLiteral("0"), Panel2), "Edit3");
    Edit3->setGeometry(72, 56, 33, 17);
    setHint(Edit2, QStringLiteral("Accordo selezionato"));
    setHint(Edit3, QStringLiteral("Totale accordi in lista"));
    for (QLineEdit* e : {Edit2, Edit3}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setCursor(Qt::ArrowCursor);
        e->setTextMargins(0, 0, 0, 0);
    }
    for (QPushButton* b : {Button1, Button2, Button3, Button4, Button5})
        b->setFont(compactFont());

    GroupBox1 = named(new QGroupBox(QStringLiteral("Altro"), client), "GroupBox1");
    GroupBox1->setGeometry(104, 360, 233, 57);
    spazio = named(new RadioButton(texts::Blank, GroupBox1), "spazio");
    spazio->setGeometry(8, 24, 113, 17);
    spazio->setToolTip(QStringLiteral("Attiva uno spazio vuoto"));
    americana = named(new QCheckBox(QStringLiteral("Notazione Americana"), GroupBox1), "americana");
    americana->setGeometry(104, 24, 126, 17);
    americana->setFocusPolicy(Qt::ClickFocus);
    americana->setFont(compactFont());
    spazio->setFont(compactFont());
    americana->setToolTip(QStringLiteral("Visualizza i nomi delle note con la notazione americana"));

    StatusBar1 = named(new QWidget(client), "StatusBar1");
    StatusBar1->setGeometry(0, 417, 624, 19);
    setHint(StatusBar1, texts::ListFileName);
    StatusPanel0 = named(new QLabel(texts::NewList, StatusBar1), "StatusPanel0");
    StatusPanel0->setGeometry(0, 2, 524, 17);
    StatusPanel0->setAlignment(Qt::AlignCenter);
    StatusPanel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusPanel1 = named(new QLabel(StatusBar1), "StatusPanel1");
    StatusPanel1->setGeometry(526, 2, 50, 17);
    StatusPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    ProgressBar1 = named(new QProgressBar(client), "ProgressBar1");
    ProgressBar1->setGeometry(526, 419, 100, 16);
    ProgressBar1->setRange(0, 300);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    setHint(ProgressBar1, QStringLiteral("% Riempimento lista"));

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(100);

    for (QWidget* w : std::initializer_list<QWidget*>{BitBtn1, BitBtn2, Button1, Button2, Button3,
                                                      Button4, Button5, secpos})
        keepOwnColours(w);
}

void Form1::createToolBar(QWidget* client)
{
    ToolBar1 = named(new QWidget(client), "ToolBar1");
    ToolBar1->setGeometry(0, 0, 624, 28);
    keepOwnColours(ToolBar1);
    ToolBar1->setAutoFillBackground(true);

    auto divider = [this](int x) {
        auto* line = new QFrame(ToolBar1);
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        line->setGeometry(x, 3, 2, 22);
    };
    auto button = [this](const char* name, ToolIcon icon, const QString& hint, int x,
                         int width = 23) {
        auto* b = named(new QToolButton(ToolBar1), name);
        b->setAutoRaise(true);
        b->setIcon(toolIcon(icon));
        b->setIconSize(QSize(16, 16));
        b->setGeometry(x, 2, width, 23);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        return b;
    };

    // A separator before the first button and after the first, third and sixth;
    // a divider line after the fourth and after the fifth.
    RxSpeedButton1 = button("RxSpeedButton1", ToolIcon::NewList, texts::NewList, 8);
    RxSpeedButton3 =
        button("RxSpeedButton3", ToolIcon::OpenList, texts::OpenList, 39);
    freccia = button("freccia", ToolIcon::RecentFiles, QStringLiteral("File recenti..."), 62, 15);
    freccia->setIconSize(QSize(9, 9));
    RxSpeedButton4 =
        button("RxSpeedButton4", ToolIcon::SaveList, texts::SaveListAs, 85);
    divider(111);
    RxSpeedButton5 = button("RxSpeedButton5", ToolIcon::ListInformation,
                            texts::ListInformation, 116);
    divider(142);
    RxSpeedButton6 = button("RxSpeedButton6", ToolIcon::Help, QStringLiteral("Guida"), 147);
    RxSpeedButton7 = button("RxSpeedButton7", ToolIcon::About, QStringLiteral("About"), 178);
}

void Form1::createMenus()
{
    auto action = [this](const char* name, const QString& text,
                         const QKeySequence& shortcut = QKeySequence()) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        return a;
    };

    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("File1"));
    Nuovalista1 = action("Nuovalista1", QStringLiteral("&Nuova lista"),
                         QKeySequence(QStringLiteral("Ctrl+N")));
    Salva1 = action("Salva1", QStringLiteral("&Salva lista..."));
    Salvaconnome1 = action("Salvaconnome1", QStringLiteral("Salva lista con no&me..."),
                           QKeySequence(QStringLiteral("Ctrl+S")));
    Apri1 =
        action("Apri1", QStringLiteral("&Apri lista..."), QKeySequence(QStringLiteral("Ctrl+A")));
    Apri1->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+A")), QKeySequence(QStringLiteral("Ctrl+O"))});
    Filerecenti1 = action("Filerecenti1", QStringLiteral("File &recenti..."));
    Informazionilistaaggiuntive1 =
        action("Informazionilistaaggiuntive1", QStringLiteral("&Informazioni lista aggiuntive"),
               QKeySequence(QStringLiteral("Ctrl+I")));
    Esci1 = action("Esci1", QStringLiteral("&Esci"), QKeySequence(QStringLiteral("Ctrl+Q")));
    FileMenu->addAction(Nuovalista1);
    FileMenu->addSeparator();
    FileMenu->addAction(Salva1);
    FileMenu->addAction(Salvaconnome1);
    FileMenu->addAction(Apri1);
    FileMenu->addAction(Filerecenti1);
    FileMenu->addSeparator();
    FileMenu->addAction(Informazionilistaaggiuntive1);
    FileMenu->addSeparator();
    FileMenu->addAction(Esci1);

    HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpMenu->setObjectName(QStringLiteral("Help1"));
    Guida1 = action("Guida1", QStringLiteral("&Guida"), QKeySequence(QStringLiteral("Ctrl+G")));
    Guida1->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+G")), QKeySequence(QKeySequence::HelpContents)});
    Info1 = action("Info1", QStringLiteral("&About"));
    HelpMenu->addAction(Guida1);
    HelpMenu->addSeparator();
    HelpMenu->addAction(Info1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Informazionilistaaggiuntive2 =
        action("Informazionilistaaggiuntive2", QStringLiteral("&Informazioni lista aggiuntive..."));
    Nuovalista2 = action("Nuovalista2", QStringLiteral("&Nuova lista"));
    Salvalista1 = action("Salvalista1", QStringLiteral("&Salva lista..."));
    Salvalistaconnome1 = action("Salvalistaconnome1", QStringLiteral("Salva lista con no&me..."));
    Aprilista1 = action("Aprilista1", QStringLiteral("&Apri lista..."));
    Filerecenti2 = action("Filerecenti2", QStringLiteral("File &recenti..."));
    Esci2 = action("Esci2", QStringLiteral("&Esci"));
    PopupMenu1->addAction(Informazionilistaaggiuntive2);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Nuovalista2);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Salvalista1);
    PopupMenu1->addAction(Salvalistaconnome1);
    PopupMenu1->addAction(Aprilista1);
    PopupMenu1->addAction(Filerecenti2);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Esci2);

    recenti = new QMenu(this);
    recenti->setObjectName(QStringLiteral("recenti"));
    file11 = action("file11", QStringLiteral("-"));
    file21 = action("file21", QStringLiteral("-"));
    file31 = action("file31", QStringLiteral("-"));
    for (QAction* a : {file11, file21, file31}) {
        a->setSeparator(true);
        recenti->addAction(a);
    }
    freccia->setMenu(recenti);
    freccia->setPopupMode(QToolButton::InstantPopup);

    // F10 opens the first menu, as in most desktop programs.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(FileMenu->menuAction()); });
}

void Form1::connectShellCommands()
{
    auto bind = [this](QAction* a, void (Form1::*handler)()) {
        connectGuarded(a, &QAction::triggered, this, m_ctx, this, [this, handler] { (this->*handler)(); });
    };
    connect(Esci1, &QAction::triggered, this, &QWidget::close);
    connect(Esci2, &QAction::triggered, this, &QWidget::close);
    bind(Guida1, &Form1::showHelp);
    connect(RxSpeedButton6, &QToolButton::clicked, Guida1, &QAction::trigger);
    bind(Informazionilistaaggiuntive1, &Form1::showAdditionalInformation);
    bind(Informazionilistaaggiuntive2, &Form1::showAdditionalInformation);
    connect(RxSpeedButton5, &QToolButton::clicked, Informazionilistaaggiuntive1, &QAction::trigger);
    connectGuarded(Image2, &PictureView::clickedPicture, this, m_ctx, this, [this] { openWebLink(); });
    connectGuarded(BitBtn2, &QPushButton::clicked, this, m_ctx, this, [this] { showRiffEditor(); });
    connectGuarded(BitBtn1, &QPushButton::clicked, this, m_ctx, this, [this] {
        if (m_ctx.windows.form6)
            m_ctx.windows.form6->openSettings();
    });
    auto about = [this] {
        if (m_ctx.windows.form2)
            m_ctx.windows.form2->aboutCommand();
    };
    connectGuarded(Info1, &QAction::triggered, this, m_ctx, this, about);
    connectGuarded(RxSpeedButton7, &QToolButton::clicked, this, m_ctx, this, about);
}

void Form1::runStartup()
{
    // The program folder comes from the context, set before the window exists.
    Image2->load(m_ctx.programDir + QStringLiteral("imm/virmoskc.jpg"));
    Edit2->setEnabled(false);
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

void Form1::applyTheme(const QColor& background, const QColor& title, const QColor& list)
{
    setBackground(this, background);
    setBackground(centralWidget(), background);
    for (QWidget* w : std::initializer_list<QWidget*>{note, toni, Panel3, Panel2, GroupBox1, Label1,
                                                      spazio, StatusBar1, americana})
        setBackground(w, background);
    setBackground(Edit1, title, QPalette::Base);
    setBackground(ListBox1, list, QPalette::Base);
}

void Form1::markModified()
{
    m_documents->markModified();
}

void Form1::markClean(const QString& path)
{
    m_documents->markClean(path);
}

RecentFiles& Form1::recentFiles()
{
    return m_documents->recentFiles();
}

void Form1::setStatusText(const QString& text)
{
    StatusPanel0->setText(text);
}

QString Form1::statusText() const
{
    return StatusPanel0->text();
}

void Form1::showEntryCount()
{
    showEntryCount(list().count());
}

void Form1::refreshRecentCaptions()
{
    m_documents->showRecentCaptions();
}

QString Form1::recentCaption(int k) const
{
    return recentItem(k);
}

void Form1::titleTick()
{
    m_titleScrollPos = titlescroll::next(m_titleScrollPos);
    m_ctx.setApplicationTitle(titlescroll::window(m_titleScrollPos));
}

bool Form1::closeQuery()
{
    return m_documents->settleUnsavedChanges();
}

void Form1::closeEvent(QCloseEvent* event)
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

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

void Form1::showRiffEditor()
{
    if (m_ctx.windows.form8)
        m_ctx.windows.form8->showWindow();
}

void Form1::showAdditionalInformation()
{
    Form5* form5 = m_ctx.windows.form5;
    if (!form5)
        return;
    if (document().listHasFile)
        form5->enableFileNameButton();
    form5->showWindow();
}

void Form1::showHelp()
{
    // The help document lies beside the program.
    m_ctx.prompts->openDocument(m_ctx.programDir + QStringLiteral("Corvalto 3.0 Help.html"));
}

void Form1::openWebLink()
{
    m_ctx.prompts->openUrl(author::webPage());
}

void Form1::connectControllers()
{
    // The handler takes the signal's arguments when it can, as connectGuarded does.
    auto guard = [this](auto* sender, auto signal, auto* controller, auto handler) {
        connectGuarded(sender, signal, controller, m_ctx, this,
                       [controller, handler](auto... args)
                           requires std::is_invocable_v<decltype(handler), decltype(controller),
                                                        decltype(args)...>
                       { std::invoke(handler, controller, args...); });
    };
    ChooserController* chooser = m_chooser;
    guard(note, &RadioGroup::clicked, chooser, &ChooserController::noteClick);
    guard(toni, &RadioGroup::clicked, chooser, &ChooserController::toniClick);
    guard(secpos, &QCheckBox::toggled, chooser, &ChooserController::secposClick);
    guard(spazio, &RadioButton::selected, chooser, &ChooserController::spazioClick);
    guard(americana, &QCheckBox::toggled, chooser, &ChooserController::americanaClick);
    connect(gif, &PictureView::pictureChanged, chooser, &ChooserController::describePicture);
    chooser->describePicture();

    ListController* list = m_listController;
    guard(Button1, &QPushButton::clicked, list, &ListController::add);
    guard(Button4, &QPushButton::clicked, list, &ListController::insert);
    guard(Button2, &QPushButton::clicked, list, &ListController::remove);
    guard(Button3, &QPushButton::clicked, list, &ListController::clear);
    // Mouse clicks and the list's keyboard navigation both end in a selection change.
    connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, list,
            [list](const QItemSelection& selected, const QItemSelection&) {
                if (!selected.indexes().isEmpty())
                    list->rowHighlighted(selected.indexes().constFirst().row());
            });
    ListBox1->installEventFilter(this);

    DocumentController* documents = m_documents;
    for (QAction* a : {Nuovalista1, Nuovalista2})
        guard(a, &QAction::triggered, documents, &DocumentController::newList);
    for (QAction* a : {Salva1, Salvalista1})
        guard(a, &QAction::triggered, documents, &DocumentController::saveList);
    for (QAction* a : {Salvaconnome1, Salvalistaconnome1})
        guard(a, &QAction::triggered, documents, &DocumentController::saveListAs);
    for (QAction* a : {Apri1, Aprilista1})
        guard(a, &QAction::triggered, documents, &DocumentController::openList);
    for (QAction* a : {Filerecenti1, Filerecenti2})
        guard(a, &QAction::triggered, documents, &DocumentController::showRecentFiles);
    // The tool button hinted "Salva lista con nome..." saves in place.
    guard(RxSpeedButton1, &QToolButton::clicked, documents, &DocumentController::newList);
    guard(RxSpeedButton3, &QToolButton::clicked, documents, &DocumentController::openList);
    guard(RxSpeedButton4, &QToolButton::clicked, documents, &DocumentController::saveList);
    const QList<QAction*> recent{file11, file21, file31};
    for (int k = 1; k <= 3; ++k) {
        connectGuarded(recent[k - 1], &QAction::triggered, documents, m_ctx, this,
                       [documents, k] { documents->openRecent(k); });
    }

    guard(Button5, &QPushButton::clicked, m_page, &PageController::generatePage);
    gif->installEventFilter(m_strum);
    Shape1->installEventFilter(m_strum);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // The Space key in ListBox1 removes the selected entry and goes no further.
    // Only the event is looked at first: the filter also sees the list's last
    // events while the window is being destroyed.
    if (event->type() == QEvent::KeyPress && watched == ListBox1 &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        guarded(m_ctx, this, [this] { m_listController->remove(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::showChordName(const QString& name)
{
    Panel1->setText(name);
}

void Form1::showChordPicture(const QString& path)
{
    gif->load(path);
}

void Form1::clearChordPicture()
{
    gif->clearPicture();
}

bool Form1::hasChordPicture() const
{
    return gif->hasPicture();
}

QString Form1::chordPictureFile() const
{
    return gif->fileName();
}

void Form1::showChordHint(const QString& hint)
{
    gif->setToolTip(hint);
    Shape1->setToolTip(hint);
}

void Form1::describeChordPicture(const QString& description)
{
    gif->setAccessibleDescription(description);
}

void Form1::clearChordGroups()
{
    note->setItemIndex(-1);
    toni->setItemIndex(-1);
}

void Form1::showNoteLabels(const QStringList& labels)
{
    note->setItems(labels);
}

bool Form1::blankSelected() const
{
    return spazio->isChecked();
}

void Form1::deselectBlank()
{
    spazio->deselect();
}

void Form1::showSecondPositionBox(bool shown)
{
    secpos->setVisible(shown);
}

void Form1::untickSecondPositionBox(bool notify)
{
    const QSignalBlocker blocker(notify ? nullptr : secpos);
    secpos->setChecked(false);
}

void Form1::colourSecondPositionBox(const QColor& colour)
{
    secpos->setStyleSheet(
        QStringLiteral("QCheckBox { background: white; color: %1; }").arg(colour.name()));
}

void Form1::showEntryCount(int count)
{
    Edit3->setText(QString::number(count));
    ProgressBar1->setValue(count);
}

void Form1::showSelectedNumber(int number)
{
    Edit2->setText(QString::number(number));
}

void Form1::enableSelectedNumber(bool enabled)
{
    Edit2->setEnabled(enabled);
}

void Form1::clearListHighlight()
{
    ListBox1->selectionModel()->clear();
}

void Form1::listEdited()
{
    m_documents->markModified();
}

bool Form1::listFromFile() const
{
    return document().listFromFile;
}

void Form1::forgetListFromFile()
{
    m_ctx.document->setFromFile(false);
}

void Form1::showCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void Form1::showStatus(const QString& text)
{
    setStatusText(text);
}

void Form1::showBanner(bool modified)
{
    Image2->load(m_ctx.programDir +
                 (modified ? QStringLiteral("imm/virmoskbn.jpg") : QStringLiteral("imm/virmoskc.jpg")));
}

void Form1::showRecentFiles(const QStringList& paths)
{
    const QList<QAction*> items{file11, file21, file31};
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

QString Form1::recentItem(int k) const
{
    const QList<QAction*> items{file11, file21, file31};
    if (k < 1 || k > 3)
        return {};
    return items[k - 1]->isSeparator() ? QStringLiteral("-") : items[k - 1]->data().toString();
}

void Form1::popUpRecentFiles()
{
    recenti->popup(QCursor::pos());
}
