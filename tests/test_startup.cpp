#include "app/about_window.h"
#include "chordlist/chord_list_model.h"
#include "core/colour_theme.h"
#include "documents/information_window.h"
#include "documents/title_dialog.h"
#include "htmlpage/page_preview_window.h"
#include "riff/riff_editor.h"
#include "screensaver/saver_settings_window.h"
#include "screensaver/saver_window.h"
#include "support/crafted_files.h"
#include "support/window_driver.h"
#include "ui/widgets/up_down.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

#include <random>

#include <xcb/xcb.h>

namespace {

const QString Caption = QStringLiteral("Corvalto 3.0 by Virmosk - ");

// A seed whose two first draws in 0..999 have the wanted parities.
unsigned seedFor(bool aEven, bool bEven)
{
    for (unsigned seed = 1;; ++seed) {
        std::mt19937 gen(seed);
        std::uniform_int_distribution<int> d(0, 999);
        const int a = d(gen);
        const int b = d(gen);
        if ((a % 2 == 0) == aEven && (b % 2 == 0) == bEven)
            return seed;
    }
}

// The window's icon text as the X server holds it, read through a connection
// of its own.
QString iconTextOnServer(WId window)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    QString text = QStringLiteral("<no connection>");
    const char name[] = "_NET_WM_ICON_NAME";
    xcb_intern_atom_reply_t* atom =
        xcb_connection_has_error(c)
            ? nullptr
            : xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof(name) - 1, name), nullptr);
    if (atom) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(c,
                                   xcb_get_property(c, 0, static_cast<xcb_window_t>(window),
                                                    atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr);
        if (reply) {
            text = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                     xcb_get_property_value_length(reply));
            free(reply);
        }
        free(atom);
    }
    xcb_disconnect(c);
    return text;
}

QColor baseOf(QWidget* w)
{
    return w->palette().color(QPalette::Base);
}

// What a screen reader would find wrong under one node of a window: an input
// without a name, a push button named like another of the window, a radio item
// not announced as one.
void findAccessibilityFaults(QAccessibleInterface* node, QSet<QString>& buttonNames,
                             QStringList& faults)
{
    static const QSet<QAccessible::Role> inputs{
        QAccessible::EditableText, QAccessible::ComboBox,    QAccessible::SpinBox,
        QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::List,
        QAccessible::PushButton,   QAccessible::ButtonMenu,  QAccessible::PageTab};
    // Controls kept hidden (a hidden text store, the spare scroll arrows of a tab
    // bar) are never offered to the user; the pages of a tab control are.
    if (auto* w = qobject_cast<QWidget*>(node->object());
        w && !w->isWindow() && w->isHidden() && !qobject_cast<QStackedWidget*>(w->parentWidget()))
        return;
    const QString name = node->text(QAccessible::Name).trimmed();
    const QString what = node->object() ? node->object()->objectName() : QStringLiteral("?");
    if (inputs.contains(node->role()) && name.isEmpty())
        faults << QStringLiteral("unnamed %1 (role %2)").arg(what).arg(int(node->role()));
    if ((node->role() == QAccessible::PushButton || node->role() == QAccessible::ButtonMenu) &&
        !name.isEmpty()) {
        if (buttonNames.contains(name))
            faults << QStringLiteral("two buttons named \"%1\"").arg(name);
        buttonNames.insert(name);
    }
    if (qobject_cast<QRadioButton*>(node->object()) && node->role() != QAccessible::RadioButton)
        faults << QStringLiteral("radio item %1 has role %2").arg(name).arg(int(node->role()));
    // A combo box's drop-down list is the box's own business.
    if (node->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i))
            findAccessibilityFaults(child, buttonNames, faults);
    }
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void windowsAtStart();
    void accessibleWindows_data();
    void accessibleWindows();
    void accessibleMenus_data();
    void accessibleMenus();
    void colourTheme_data();
    void colourTheme();
    void readableUnderPalette_data();
    void readableUnderPalette();
    void scrollingTitle();
    void titleChangeMarksModified();
    void bannerLoadedOnlyOnChange();
    void markClean();
    void closeQuery_data();
    void closeQuery();
    void shellCommands();
    void commandKeys_data();
    void commandKeys();
    void configUnreadable_data();
    void configUnreadable();
    void configWithFiveLines();
    void bannerUnreadable_data();
    void bannerUnreadable();
};

void TestStartup::windowsAtStart()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    QCOMPARE(t.ctx.applicationTitle, QStringLiteral("Corvalto 3.0"));
    QCOMPARE(f->windowIconText(), QStringLiteral("Corvalto 3.0"));
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");
    QCOMPARE(f->statusText(), QStringLiteral("Nuova lista"));
    QCOMPARE(controls(f).Edit1->text(), QStringLiteral("Titolo lista"));
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Scegli"));
    QCOMPARE(controls(f).Edit2->text(), QStringLiteral("0"));
    QVERIFY(!controls(f).Edit2->isEnabled());
    QCOMPARE(controls(f).Edit3->text(), QStringLiteral("0"));
    QCOMPARE(f->document().currentListFile, QStringLiteral("Nuova lista"));
    QVERIFY(!f->document().listModified && !f->document().listHasFile &&
            !f->document().listFromFile);
    QCOMPARE(f->list().lastIndex(), -1);
    QCOMPARE(f->list().selectedPos(), 0);
    QVERIFY(!f->list().entrySelected());
    for (int slot = 0; slot <= ChordListModel::Capacity; ++slot)
        QVERIFY(f->list().picture(slot).isEmpty());
    QVERIFY(controls(f).Image2->fileName().endsWith(QLatin1String("imm/virmoskc.jpg")));
    QVERIFY(t.prompts.calls().isEmpty());

    t.app->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    const QList<QWidget*> others{t.w().aboutWindow,       t.w().pagePreview,   t.w().titleDialog,
                                 t.w().informationWindow, t.w().saverSettings, t.w().saverWindow,
                                 t.w().riffEditor};
    for (QWidget* w : others)
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    // Every window carries the program's icon, from the menu size up.
    for (QWidget* w : others + QList<QWidget*>{f}) {
        const QList<QSize> sizes = w->windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)),
                 qPrintable(w->objectName()));
    }
    QCOMPARE(t.w().aboutWindow->windowTitle(), QStringLiteral("About"));
    QCOMPARE(t.w().pagePreview->windowTitle(), QStringLiteral("Pagina anteprima lista (Html)"));
    QCOMPARE(t.w().titleDialog->windowTitle(), QStringLiteral("Titolo lista"));
    QCOMPARE(t.w().informationWindow->windowTitle(),
             QStringLiteral("Informazioni lista aggiuntive"));
    QCOMPARE(t.w().saverSettings->windowTitle(), QStringLiteral("Virmosk Screen Saver 1.0 Finale"));
    QCOMPARE(t.w().riffEditor->windowTitle(), QStringLiteral("Virmosk Riff Editor 1.0"));
    QCOMPARE(f->centralWidget()->size(), QSize(624, 436));
}

void TestStartup::accessibleWindows_data()
{
    QTest::addColumn<int>("window");
    for (int i = 1; i <= 8; ++i)
        QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(i))) << i;
}

void TestStartup::accessibleWindows()
{
    QFETCH(int, window);
    TestApp t;
    const Windows& w = t.w();
    QWidget* const windows[] = {w.mainWindow,        w.aboutWindow,   w.pagePreview, w.titleDialog,
                                w.informationWindow, w.saverSettings, w.saverWindow, w.riffEditor};
    QWidget* form = windows[window - 1];
    form->ensurePolished(); // hidden windows make their controls then
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(form);
    QCOMPARE(iface->role(), QAccessible::Window);
    QCOMPARE(iface->text(QAccessible::Name), form->windowTitle());
    QSet<QString> buttonNames;
    QStringList faults;
    findAccessibilityFaults(iface, buttonNames, faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

    if (form == w.saverSettings) {
        QAccessibleInterface* speed =
            QAccessible::queryAccessibleInterface(control<UpDown>(w.saverSettings, "UpDown1"));
        QCOMPARE(speed->role(), QAccessible::SpinBox);
        speed->valueInterface()->setCurrentValue(7);
        QCOMPARE(control<QLineEdit>(w.saverSettings, "Edit1")->text(), QStringLiteral("7"));
    }
    if (form == w.mainWindow) {
        // The chord name panel reads its caption; its hint describes it.
        QAccessibleInterface* panel =
            QAccessible::queryAccessibleInterface(controls(w.mainWindow).Panel1);
        QCOMPARE(panel->text(QAccessible::Name), QStringLiteral("Scegli"));
        QCOMPARE(panel->text(QAccessible::Description), QStringLiteral("Nome accordo"));
        QAccessibleInterface* note =
            QAccessible::queryAccessibleInterface(controls(w.mainWindow).note);
        QCOMPARE(note->text(QAccessible::Name), QStringLiteral("Note"));
        QCOMPARE(note->text(QAccessible::Description), QStringLiteral("Scegli una nota"));
    }
}

void TestStartup::accessibleMenus_data()
{
    // A menu of the menu bar is named by its title; a pop-up menu by its object name.
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    const QString file = QStringLiteral("Nuova lista|Salva lista...|Salva lista con nome...|"
                                        "Apri lista...|File recenti...|");
    QTest::newRow("File")
        << "File"
        << (file + QStringLiteral("Informazioni lista aggiuntive|Trasponi lista...|Stampa...|"
                                  "Esporta PDF...|Esporta ChordPro...|Esci"))
               .split(QLatin1Char('|'));
    QTest::newRow("Help") << "Help" << QStringList{"Guida", "About"};
    QTest::newRow("PopupMenu1") << "PopupMenu1"
                                << (QStringLiteral("Informazioni lista aggiuntive...|") + file +
                                    QStringLiteral("Trasponi lista...|Esci"))
                                       .split(QLatin1Char('|'));
}

// A screen reader reaches every command: each menu is a pop-up menu whose items are
// menu items named by their captions, separators aside.
void TestStartup::accessibleMenus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    TestApp t;
    QWidget* window = t.w().mainWindow;
    QAccessibleInterface* popup = nullptr;
    if (auto* named = window->findChild<QMenu*>(menu)) {
        popup = QAccessible::queryAccessibleInterface(named);
    } else {
        QAccessibleInterface* bar =
            QAccessible::queryAccessibleInterface(window->findChild<QMenuBar*>());
        QCOMPARE(bar->role(), QAccessible::MenuBar);
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface* title = bar->child(i);
            if (title->text(QAccessible::Name) == menu) {
                QCOMPARE(title->role(), QAccessible::MenuItem);
                QCOMPARE(title->childCount(), 1);
                popup = title->child(0);
            }
        }
    }
    QVERIFY2(popup, qPrintable(menu));
    QCOMPARE(popup->role(), QAccessible::PopupMenu);
    QStringList found;
    for (int i = 0; i < popup->childCount(); ++i) {
        QAccessibleInterface* item = popup->child(i);
        if (item->role() == QAccessible::Separator)
            continue;
        QCOMPARE(item->role(), QAccessible::MenuItem);
        QVERIFY(item->actionInterface());
        found << item->text(QAccessible::Name);
    }
    QCOMPARE(found, items);
}

void TestStartup::colourTheme_data()
{
    QTest::addColumn<bool>("aEven");
    QTest::addColumn<bool>("bEven");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("title");
    QTest::addColumn<QColor>("list");
    QTest::newRow("even even") << true << true << QColor(166, 202, 240) << QColor(192, 220, 192)
                               << QColor(240, 202, 166);
    QTest::newRow("even odd") << true << false << QColor(192, 220, 192) << QColor(240, 202, 166)
                              << QColor(166, 202, 240);
    QTest::newRow("odd even") << false << true << QColor(240, 202, 166) << QColor(166, 202, 240)
                              << QColor(192, 220, 192);
    QTest::newRow("odd odd") << false << false << QColor(197, 239, 252) << QColor(197, 255, 138)
                             << QColor(219, 210, 217);
}

void TestStartup::colourTheme()
{
    QFETCH(bool, aEven);
    QFETCH(bool, bEven);
    QFETCH(QColor, background);
    QFETCH(QColor, title);
    QFETCH(QColor, list);
    TestApp t(TestProgramFolder::Imm::Linked, true, seedFor(aEven, bEven));
    MainWindow* f = t.w().mainWindow;
    QCOMPARE(f->palette().color(QPalette::Window), background);
    QList<QWidget*> themed;
    themed << controls(f).note << controls(f).toni << controls(f).Panel3 << controls(f).Panel2
           << controls(f).GroupBox1 << controls(f).StatusBar1 << controls(f).Label1
           << controls(f).spazio << controls(f).americana;
    for (QWidget* w : themed)
        QCOMPARE(w->palette().color(QPalette::Window), background);
    QCOMPARE(baseOf(controls(f).Edit1), title);
    QCOMPARE(baseOf(controls(f).ListBox1), list);

    // The buttons, the name panel, the menu bar and the tool bar keep their own colours;
    // secpos is white whatever the theme.
    QCOMPARE(controls(f).secpos->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(controls(f).secpos->palette().color(QPalette::Button), QColor(Qt::white));
    const QList<QWidget*> own{controls(f).Button1,        controls(f).Button2, controls(f).Button3,
                              controls(f).Button4,        controls(f).Button5, controls(f).BitBtn1,
                              controls(f).BitBtn2,        controls(f).Panel1,  controls(f).ToolBar1,
                              controls(f).RxSpeedButton1, f->menuBar()};
    for (QWidget* w : own) {
        const QPalette app = QApplication::palette(w);
        QCOMPARE(w->palette().color(QPalette::Button), app.color(QPalette::Button));
        if (w != controls(f).Panel1)
            QCOMPARE(w->palette().color(QPalette::Window), app.color(QPalette::Window));
        else
            QCOMPARE(w->palette().color(QPalette::Window), app.color(QPalette::ToolTipBase));
    }
}

namespace {

QPalette darkPalette()
{
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 30), text(238, 238, 238);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    p.setColor(QPalette::Highlight, QColor(53, 132, 228));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.darker(120));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    return p;
}

// The colour a widget's text is drawn on: its own where it fills itself, else that of the
// nearest container that does.
QColor backdrop(const QWidget* w)
{
    for (const QWidget* at = w; at; at = at->parentWidget()) {
        if (at->autoFillBackground() || at->testAttribute(Qt::WA_StyledBackground) ||
            at->isWindow())
            return at->palette().color(at->backgroundRole());
    }
    return w->palette().color(QPalette::Window);
}

double contrastOf(const QColor& a, const QColor& b)
{
    return ColourTheme::contrast({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
}

} // namespace

void TestStartup::readableUnderPalette_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("aEven");
    QTest::addColumn<bool>("bEven");
    QTest::newRow("light, designed colours") << false << false << false;
    QTest::newRow("light, blue window") << false << true << true;
    QTest::newRow("dark, designed colours") << true << false << false;
    QTest::newRow("dark, blue window") << true << true << true;
    QTest::newRow("dark, green window") << true << true << false;
    QTest::newRow("dark, orange window") << true << false << true;
}

// Every text of every window reads at 4.5:1 on what it is drawn on, whichever palette the
// system gives: a colour the program fixes comes with its text colour.
void TestStartup::readableUnderPalette()
{
    QFETCH(bool, dark);
    QFETCH(bool, aEven);
    QFETCH(bool, bEven);
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    const auto restore = qScopeGuard([&] { QApplication::setPalette(previous); });
    {
        TestApp t(TestProgramFolder::Imm::Linked, true, seedFor(aEven, bEven));
        // The second position box in both its colours.
        driver::pickChord(t.w().mainWindow, 0, 0);
        const Windows& w = t.w();
        const QList<QWidget*> windows{w.mainWindow,  w.aboutWindow,       w.pagePreview,
                                      w.titleDialog, w.informationWindow, w.saverSettings,
                                      w.saverWindow, w.riffEditor};
        for (QWidget* window : windows) {
            for (QWidget* c : window->findChildren<QWidget*>()) {
                // A disabled control's text is meant to recede.
                if (!c->isVisibleTo(window) || !c->isEnabledTo(window))
                    continue;
                c->ensurePolished();
                const QPalette& p = c->palette();
                QColor text, under;
                if (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractItemView*>(c) ||
                    qobject_cast<QTextEdit*>(c) || qobject_cast<QPlainTextEdit*>(c)) {
                    text = p.color(QPalette::Text);
                    under = p.color(QPalette::Base);
                } else if (qobject_cast<QPushButton*>(c) || qobject_cast<QToolButton*>(c) ||
                           qobject_cast<QComboBox*>(c)) {
                    text = p.color(QPalette::ButtonText);
                    under = p.color(QPalette::Button);
                } else if ((qobject_cast<QLabel*>(c) &&
                            !qobject_cast<QLabel*>(c)->text().isEmpty()) ||
                           (qobject_cast<QAbstractButton*>(c) &&
                            !qobject_cast<QAbstractButton*>(c)->text().isEmpty()) ||
                           (qobject_cast<QGroupBox*>(c) &&
                            !qobject_cast<QGroupBox*>(c)->title().isEmpty())) {
                    text = p.color(c->foregroundRole());
                    under = backdrop(c);
                } else {
                    continue;
                }
                const double ratio = contrastOf(text, under);
                QVERIFY2(ratio >= ColourTheme::MinContrast,
                         qPrintable(QStringLiteral("%1/%2: %3 on %4, %5:1")
                                        .arg(window->objectName(), c->objectName(), text.name(),
                                             under.name())
                                        .arg(ratio, 0, 'f', 2)));
            }
        }
    }
}

void TestStartup::scrollingTitle()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    controls(f).Timer1->stop();
    const QString blanks(25, QLatin1Char(' '));

    f->titleTick();
    QCOMPARE(t.ctx.applicationTitle, QString(24, QLatin1Char(' ')) + QLatin1Char('C'));
    QCOMPARE(f->windowIconText(), t.ctx.applicationTitle);
    // The caption of the main window does not scroll.
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");

    for (int tick = 2; tick <= 48; ++tick)
        f->titleTick();
    QCOMPARE(f->titleScrollPos(), 48);
    QCOMPARE(t.ctx.applicationTitle, blanks);
    f->titleTick();
    QCOMPARE(f->titleScrollPos(), 0);
    QCOMPARE(t.ctx.applicationTitle, blanks);
    f->titleTick();
    QCOMPARE(t.ctx.applicationTitle, QString(24, QLatin1Char(' ')) + QLatin1Char('C'));

    // The whole name passes through the window once a cycle.
    bool seen = false;
    for (int tick = 0; tick < 49; ++tick) {
        f->titleTick();
        seen = seen || t.ctx.applicationTitle.contains(QLatin1String("Corvalto 3.0 by Virmosk"));
    }
    QVERIFY(seen);

    // Error reports take the title current at that moment as caption.
    controls(f).Timer1->start();
    QTRY_VERIFY_WITH_TIMEOUT(f->titleScrollPos() != 1, 2000);
    // The window system gets each tick's text at once, with no other event.
    t.app->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    controls(f).Timer1->stop();
    for (int tick = 0; tick < 3; ++tick) {
        f->titleTick();
        QCOMPARE(iconTextOnServer(f->winId()), t.ctx.applicationTitle);
    }
}

void TestStartup::titleChangeMarksModified()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    QTest::keyClicks(controls(f).Edit1, QStringLiteral("x"));
    QVERIFY(f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");
    QVERIFY(controls(f).Image2->fileName().endsWith(QLatin1String("imm/virmoskbn.jpg")));

    // Equal to the stored title: nothing changes, and going back does not clear the mark.
    f->listDocument().setListFileLines(QStringList{QStringLiteral("Canzone"), QStringLiteral("0")});
    f->listDocument().setModified(false);
    f->markClean(QStringLiteral("/tmp/liste/Canzone.qvl"));
    controls(f).Edit1->setText(QStringLiteral("Canzone"));
    QVERIFY(!f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "Canzone.qvl");
    controls(f).Edit1->setText(QStringLiteral("Canzon"));
    QVERIFY(f->document().listModified);
    controls(f).Edit1->setText(QStringLiteral("Canzone"));
    QVERIFY(f->document().listModified);
    // The comparison is case-sensitive.
    f->markClean(QStringLiteral("/tmp/liste/Canzone.qvl"));
    controls(f).Edit1->setText(QStringLiteral("canzone"));
    QVERIFY(f->document().listModified);
}

void TestStartup::bannerLoadedOnlyOnChange()
{
    TestApp t(TestProgramFolder::Imm::Copied);
    MainWindow* f = t.w().mainWindow;
    f->markModified();
    QVERIFY(controls(f).Image2->fileName().endsWith(QLatin1String("imm/virmoskbn.jpg")));
    // Once modified, a further change rewrites the caption without loading the banner.
    t.folder->removeFile(QStringLiteral("imm/virmoskbn.jpg"));
    controls(f).Edit1->setText(QStringLiteral("Altro titolo"));
    QVERIFY(t.prompts.texts(QStringLiteral("error")).isEmpty());
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");

    // A banner that cannot be loaded on the change to modified is reported, and
    // the list is marked modified all the same, so that closing still asks.
    f->markClean(QStringLiteral("Nuova lista"));
    controls(f).Edit1->setText(QStringLiteral("Terzo titolo"));
    const QStringList errors = t.prompts.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first(),
             QStringLiteral("Cannot open file ") + t.folder->file("imm/virmoskbn.jpg") + ".");
    QVERIFY(f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");
}

void TestStartup::markClean()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    f->markModified();
    f->listDocument().setCurrentListFile(QStringLiteral("/home/chitarra/liste/Lista.qvl"));
    f->markModified();
    QCOMPARE(f->windowTitle(), Caption + "*Lista.qvl");
    f->markClean(f->document().currentListFile);
    QVERIFY(!f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "Lista.qvl");
    QVERIFY(controls(f).Image2->fileName().endsWith(QLatin1String("imm/virmoskc.jpg")));
}

void TestStartup::closeQuery_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer"); // -1: nothing asked
    QTest::addColumn<bool>("closed");
    QTest::newRow("clean list") << 1 << false << -1 << true;
    QTest::newRow("modified but empty") << 0 << true << -1 << true;
    QTest::newRow("No") << 1 << true << int(Prompts::Answer::No) << true;
    QTest::newRow("Cancel") << 1 << true << int(Prompts::Answer::Cancel) << false;
}

void TestStartup::closeQuery()
{
    QFETCH(int, entries);
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    t.app->show();
    for (int i = 0; i < entries; ++i)
        f->list().appendLine(QStringLiteral("DO Maggiore"));
    if (modified)
        controls(f).Edit1->setText(QStringLiteral("Canzone"));
    if (answer >= 0)
        t.prompts.answer(static_cast<Prompts::Answer>(answer));

    QCOMPARE(f->close(), closed);
    const QStringList questions = t.prompts.texts(QStringLiteral("question"));
    if (answer < 0) {
        QVERIFY(questions.isEmpty());
    } else {
        QCOMPARE(questions, QStringList{QStringLiteral("Lista non salvata. Salvarla ora?")});
        QCOMPARE(t.prompts.calls().first().caption, QStringLiteral("Conferma"));
        QVERIFY(t.prompts.calls().first().withCancel);
    }
    QCOMPARE(f->isVisible(), !closed);
    QCOMPARE(f->list().count(), entries);
}

// Help and the banner's link go to the desktop shell; nothing is reported.
void TestStartup::shellCommands()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    controls(f).Guida1->trigger();
    QTest::mouseClick(controls(f).RxSpeedButton6, Qt::LeftButton);
    QTest::mouseClick(controls(f).Image2, Qt::LeftButton);
    const auto& calls = t.prompts.calls();
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls[0].kind, QStringLiteral("document"));
    QCOMPARE(calls[0].text, t.folder->file(QStringLiteral("Corvalto 3.0 Help.html")));
    QCOMPARE(calls[1].text, calls[0].text);
    QCOMPARE(calls[2].kind, QStringLiteral("url"));
    QVERIFY(calls[2].text.startsWith(QLatin1String("https://")));
    QCOMPARE(controls(f).Guida1->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
}

void TestStartup::commandKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus");  // object name of the control with the focus
    QTest::addColumn<QString>("effect"); // a prompt's kind, "menu" or "closed"
    QTest::newRow("Ctrl+A in the title field") << QKeySequence("Ctrl+A") << "Edit1"
                                               << "open";
    QTest::newRow("Ctrl+O") << QKeySequence("Ctrl+O") << "spazio"
                            << "open";
    // Saving an empty list ends in a notice.
    QTest::newRow("Ctrl+S in the title field") << QKeySequence("Ctrl+S") << "Edit1"
                                               << "information";
    QTest::newRow("F1") << QKeySequence("F1") << "Edit1"
                        << "document";
    QTest::newRow("Alt+F") << QKeySequence("Alt+F") << "Edit1"
                           << "menu";
    QTest::newRow("F10") << QKeySequence("F10") << "spazio"
                         << "menu";
    QTest::newRow("Ctrl+Q") << QKeySequence("Ctrl+Q") << "Edit1"
                            << "closed";
}

void TestStartup::commandKeys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    QFETCH(QString, effect);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    t.app->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QWidget* control = f->findChild<QWidget*>(focus);
    control->setFocus();
    QTest::keySequence(control, keys);
    if (effect == "menu") {
        QTRY_VERIFY(controls(f).File1->isVisible());
        controls(f).File1->close();
    } else if (effect == "closed") {
        QVERIFY(!f->isVisible());
    } else {
        QCOMPARE(t.prompts.calls().size(), 1);
        QCOMPARE(t.prompts.calls().first().kind, effect);
    }
    QVERIFY(!controls(f).Edit1->hasSelectedText());
}

void TestStartup::configUnreadable_data()
{
    QTest::addColumn<QString>("kind"); // see makeCraftedFile, or "long line"
    QTest::addColumn<QString>("message");
    const QString cannotOpen = QStringLiteral("Cannot open file %1.");
    QTest::newRow("missing") << "missing" << cannotOpen;
    // A named pipe must not block the start: the window appears.
    QTest::newRow("named pipe") << "fifo" << cannotOpen;
    QTest::newRow("folder") << "folder" << cannotOpen;
    QTest::newRow("device") << "device" << cannotOpen;
    QTest::newRow("long line") << "long line"
                               << QStringLiteral("Il file %1 è troppo grande: Corvalto legge file "
                                                 "di questo tipo fino a 64 KB. Il file non è "
                                                 "stato aperto.");
}

void TestStartup::configUnreadable()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    auto folder = std::make_shared<TestProgramFolder>(TestProgramFolder::Imm::Linked, false);
    const QString config = folder->file("config.ini");
    if (kind == QLatin1String("long line"))
        folder->writeConfig({QString(64 * 1024, QLatin1Char('/'))});
    else
        QVERIFY(makeCraftedFile(config, kind));
    TestApp t(folder, seedFor(true, true));
    MainWindow* f = t.w().mainWindow;
    const auto& calls = t.prompts.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().kind, QStringLiteral("error"));
    QCOMPARE(calls.first().text, message.arg(config));
    QCOMPARE(calls.first().caption, QStringLiteral("Corvalto 3.0"));
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(f->recentCaption(k), QStringLiteral("-"));
    // The theme step after the failing one is skipped: designed colours stay.
    QCOMPARE(baseOf(controls(f).Edit1), QColor(197, 255, 138));
    QCOMPARE(f->document().currentListFile, QStringLiteral("Nuova lista"));
    QVERIFY(!controls(f).Edit2->isEnabled());
}

void TestStartup::configWithFiveLines()
{
    auto folder = std::make_shared<TestProgramFolder>();
    folder->writeConfig(
        {"/a/Uno.qvl", "/a/Rock & Blues.qvl", "/a/Tre.qvl", "/a/Quattro.qvl", "/a/Cinque.qvl"});
    TestApp t(folder);
    MainWindow* f = t.w().mainWindow;
    QVERIFY(t.prompts.calls().isEmpty());
    QCOMPARE(f->recentCaption(1), QStringLiteral("/a/Uno.qvl"));
    QCOMPARE(f->recentCaption(2), QStringLiteral("/a/Rock & Blues.qvl"));
    QCOMPARE(controls(f).file21->text(), QStringLiteral("/a/Rock && Blues.qvl"));
    QCOMPARE(f->recentCaption(3), QStringLiteral("/a/Tre.qvl"));
    QCOMPARE(f->recentFiles().count(), 3);
}

void TestStartup::bannerUnreadable_data()
{
    QTest::addColumn<QString>("kind"); // see makeCraftedFile
    QTest::addColumn<QString>("message");
    const QString cannotOpen = QStringLiteral("Cannot open file %1.");
    QTest::newRow("missing") << "missing" << cannotOpen;
    QTest::newRow("named pipe") << "fifo" << cannotOpen;
    QTest::newRow("device") << "device" << cannotOpen;
    QTest::newRow("50 MiB") << "50 MiB"
                            << QStringLiteral("Il file %1 è troppo grande: Corvalto legge file di "
                                              "questo tipo fino a 4 MB. Il file non è stato "
                                              "aperto.");
    // The header alone would ask for 12.8 GB.
    QTest::newRow("huge dimensions")
        << "huge jpeg"
        << QStringLiteral("L'immagine %1 è troppo grande (65500 × 65500 pixel): Corvalto mostra "
                          "immagini fino a 8192 × 8192 pixel.");
}

void TestStartup::bannerUnreadable()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    auto folder = std::make_shared<TestProgramFolder>(TestProgramFolder::Imm::Copied);
    const QString banner = folder->file(QStringLiteral("imm/virmoskc.jpg"));
    QVERIFY(makeCraftedFile(banner, kind));
    folder->writeConfig({"/a/Uno.qvl"});
    TestApp t(folder, seedFor(true, true));
    MainWindow* f = t.w().mainWindow;
    const QStringList errors = t.prompts.texts(QStringLiteral("error"));
    QCOMPARE(errors, QStringList{message.arg(banner)});
    // Every step after the banner is skipped.
    QVERIFY(f->document().currentListFile.isEmpty());
    QVERIFY(controls(f).Edit2->isEnabled());
    QCOMPARE(f->recentCaption(1), QStringLiteral("-"));
    QCOMPARE(baseOf(controls(f).Edit1), QColor(197, 255, 138));
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
