#include "chordlist/chord_list_model.h"
#include "chords/chord_catalogue.h"
#include "support/window_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>

using namespace driver;

namespace {

const QString Hint = QStringLiteral("Posizione delle dita per l'accordo ");
const QColor Green(0, 128, 0);
// The red nearest to pure red that reads on the box's white at 4.5:1.
const QColor Red(230, 0, 0);

QColor secposColour(MainWindow* f)
{
    controls(f).secpos->ensurePolished();
    return controls(f).secpos->palette().color(QPalette::WindowText);
}

// What the chooser shows, and that it left the list and the document alone.
void checkChordShown(TestApp& t, const QString& name, const QString& picture)
{
    MainWindow* f = t.w().mainWindow;
    QCOMPARE(controls(f).Panel1->text(), name);
    QCOMPARE(shownPicture(f), picture);
    QCOMPARE(controls(f).gif->fileName(), t.folder->file(QStringLiteral("imm/") + picture));
    QCOMPARE(f->list().pendingPicture(), picture);
    QCOMPARE(controls(f).gif->toolTip(), Hint + name);
    QCOMPARE(controls(f).Shape1->toolTip(), Hint + name);
}

} // namespace

class TestChooser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void chordFromBothGroups_data();
    void chordFromBothGroups();
    void oneGroupOnly_data();
    void oneGroupOnly();
    void secondPositionOfEachChord_data();
    void secondPositionOfEachChord();
    void secondPositionReset();
    void blankEntry();
    void secondPositionAfterBlank();
    void americanNotation();
    void listEntryThenType();
    void missingPicture();
    void missingSecondPicture();
    void keyboardAlone();
    void accessibilityActions();
};

void TestChooser::chordFromBothGroups_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("rootFirst");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("hasSecond");
    QTest::newRow("DO, Maggiore") << 0 << 0 << true << "DO Maggiore"
                                  << "do.gif" << true;
    QTest::newRow("Maggiore, DO") << 0 << 0 << false << "DO Maggiore"
                                  << "do.gif" << true;
    QTest::newRow("FA#, 9") << 6 << 6 << true << "FA#9 / SOLb 9"
                            << "fa_diesis_9.gif" << false;
    QTest::newRow("9, FA#") << 6 << 6 << false << "FA# 9 / SOLb 9"
                            << "fa_diesis_9.gif" << false;
    QTest::newRow("11, FA#") << 6 << 7 << false << "FA# 11 / SOLb 11"
                             << "fa_diesis_11.gif" << false;
    QTest::newRow("Maggiore, SOL#") << 8 << 0 << false << "SOL# Maggiore / LAb MAggiore"
                                    << "sol_diesis.gif" << false;
    QTest::newRow("RE, 7") << 2 << 4 << false << "RE 7"
                           << "re7.gif" << true;
}

void TestChooser::chordFromBothGroups()
{
    QFETCH(int, root);
    QFETCH(int, type);
    QFETCH(bool, rootFirst);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QFETCH(bool, hasSecond);
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    const QString caption = f->windowTitle();

    if (rootFirst)
        pickChord(f, root, type);
    else {
        pickType(f, type);
        pickRoot(f, root);
    }
    checkChordShown(*t, name, picture);
    QCOMPARE(controls(f).note->itemIndex(), root);
    QCOMPARE(controls(f).toni->itemIndex(), type);
    QCOMPARE(controls(f).secpos->isVisible(), hasSecond);
    QVERIFY(!controls(f).secpos->isChecked());
    QCOMPARE(secposColour(f), Green);

    // The chooser never touches the list or the document state.
    QVERIFY(f->list().isEmpty());
    QVERIFY(!f->list().entrySelected());
    QVERIFY(!f->document().listModified);
    QCOMPARE(f->windowTitle(), caption);
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChooser::oneGroupOnly_data()
{
    QTest::addColumn<bool>("root");
    QTest::newRow("root DO") << true;
    QTest::newRow("type Minore") << false;
}

void TestChooser::oneGroupOnly()
{
    QFETCH(bool, root);
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    if (root)
        pickRoot(f, 0);
    else
        pickType(f, 9);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Scegli"));
    QVERIFY(!controls(f).gif->hasPicture());
    QVERIFY(!controls(f).secpos->isVisible());
    QVERIFY(controls(f).gif->toolTip().isEmpty());
    QVERIFY(controls(f).Shape1->toolTip().isEmpty());
    QVERIFY(f->list().pendingPicture().isEmpty());
    QCOMPARE(controls(f).note->itemIndex(), root ? 0 : -1);
    QCOMPARE(controls(f).toni->itemIndex(), root ? -1 : 9);

    // Changing the one group again still completes nothing.
    if (root)
        pickRoot(f, 5);
    else
        pickType(f, 3);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Scegli"));
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChooser::secondPositionOfEachChord_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("DO Maggiore") << 0 << 0 << "do.gif"
                                 << "do_sec.gif";
    QTest::newRow("SOL 7+") << 7 << 5 << "sol_7piu.gif"
                            << "sol_7piu_sec.gif";
    QTest::newRow("FA 9") << 5 << 6 << "fa_9.gif"
                          << "fa_9_sec.gif";
}

void TestChooser::secondPositionOfEachChord()
{
    QFETCH(int, root);
    QFETCH(int, type);
    QFETCH(QString, first);
    QFETCH(QString, second);
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, root, type);
    QVERIFY(controls(f).secpos->isVisible());
    QCOMPARE(shownPicture(f), first);

    clickIndicator(controls(f).secpos);
    QVERIFY(controls(f).secpos->isChecked());
    QCOMPARE(secposColour(f), Red);
    QCOMPARE(shownPicture(f), second);
    QCOMPARE(f->list().pendingPicture(), second);

    clickIndicator(controls(f).secpos);
    QVERIFY(!controls(f).secpos->isChecked());
    QCOMPARE(secposColour(f), Green);
    QCOMPARE(shownPicture(f), first);
    QCOMPARE(f->list().pendingPicture(), first);
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChooser::secondPositionReset()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 0, 0);
    clickIndicator(controls(f).secpos);
    QCOMPARE(shownPicture(f), QStringLiteral("do_sec.gif"));

    // A chord without second position hides the box with its tick and colour.
    pickType(f, 1);
    checkChordShown(*t, QStringLiteral("DO 4"), QStringLiteral("do_4.gif"));
    QVERIFY(!controls(f).secpos->isVisible());
    QVERIFY(controls(f).secpos->isChecked());
    QCOMPARE(secposColour(f), Red);

    // The next chord with a second position starts from the first one.
    pickType(f, 0);
    checkChordShown(*t, QStringLiteral("DO Maggiore"), QStringLiteral("do.gif"));
    QVERIFY(controls(f).secpos->isVisible());
    QVERIFY(!controls(f).secpos->isChecked());
    QCOMPARE(secposColour(f), Green);

    // A ticked second position switches back even when the other group is empty.
    clickIndicator(controls(f).secpos);
    clickIndicator(controls(f).spazio);
    pickRoot(f, 2);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Spazio Vuoto"));
    QVERIFY(controls(f).secpos->isChecked());
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChooser::blankEntry()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 0, 0);
    QVERIFY(controls(f).secpos->isVisible());

    clickIndicator(controls(f).spazio);
    QVERIFY(controls(f).spazio->isChecked());
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Spazio Vuoto"));
    QVERIFY(!controls(f).gif->hasPicture());
    QVERIFY(controls(f).gif->toolTip().isEmpty());
    QVERIFY(controls(f).Shape1->toolTip().isEmpty());
    QCOMPARE(controls(f).note->itemIndex(), -1);
    QCOMPARE(controls(f).toni->itemIndex(), -1);
    QVERIFY(f->list().pendingPicture().isEmpty());
    QVERIFY(controls(f).secpos->isVisible());

    // A root alone keeps the blank, but the hints name it.
    pickRoot(f, 4);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Spazio Vuoto"));
    QVERIFY(controls(f).spazio->isChecked());
    QCOMPARE(controls(f).gif->toolTip(), Hint + "Spazio Vuoto");
    QCOMPARE(controls(f).Shape1->toolTip(), Hint + "Spazio Vuoto");
    QVERIFY(!controls(f).secpos->isVisible());

    pickType(f, 9);
    checkChordShown(*t, QStringLiteral("MI Minore"), QStringLiteral("mi_min.gif"));
    QVERIFY(!controls(f).spazio->isChecked());

    // Clicking the blank while it is selected runs nothing.
    clickIndicator(controls(f).spazio);
    clickIndicator(controls(f).spazio);
    QVERIFY(controls(f).spazio->isChecked());
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Spazio Vuoto"));
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChooser::secondPositionAfterBlank()
{
    // The blank leaves secpos visible; ticking it then has no picture to show.
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 0, 0);
    clickIndicator(controls(f).spazio);
    clickIndicator(controls(f).secpos);
    QVERIFY(controls(f).secpos->isChecked());
    QCOMPARE(secposColour(f), Red);
    QVERIFY(!controls(f).gif->hasPicture());
    QVERIFY(f->list().pendingPicture().isEmpty());
    clickIndicator(controls(f).secpos);
    QCOMPARE(secposColour(f), Green);
    QVERIFY(!controls(f).gif->hasPicture());
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChooser::americanNotation()
{
    const QStringList italian{"DO",  "DO# / REb",  "RE", "RE# / MIb", "MI", "FA", "FA# / SOLb",
                              "SOL", "SOL# / LAb", "LA", "LA# / SIb", "SI"};
    const QStringList american{"C",       "C# / Db", "D",       "D# / Eb", "E",       "F",
                               "F# / Gb", "G",       "G# / Ab", "A",       "A# / Bb", "B"};
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    QCOMPARE(controls(f).note->items(), italian);
    pickChord(f, 0, 0);

    clickIndicator(controls(f).americana);
    QCOMPARE(controls(f).note->items(), american);
    QCOMPARE(controls(f).note->itemIndex(), 0);
    checkChordShown(*t, QStringLiteral("DO Maggiore"), QStringLiteral("do.gif"));

    // Chord names stay Italian whatever the labels.
    pickRoot(f, 9);
    checkChordShown(*t, QStringLiteral("LA Maggiore"), QStringLiteral("la.gif"));

    clickIndicator(controls(f).americana);
    QCOMPARE(controls(f).note->items(), italian);
    QCOMPARE(controls(f).note->itemIndex(), 9);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("LA Maggiore"));
    QVERIFY(!f->document().listModified);
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChooser::listEntryThenType()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 2, 3);
    clickButton(controls(f).Button1);
    pickChord(f, 0, 9);
    clickRow(f, 0);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("RE 6"));

    // A type alone keeps the entry's name, which has a second position.
    pickType(f, 1);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("RE 6"));
    QVERIFY(controls(f).secpos->isVisible());
    QCOMPARE(controls(f).gif->toolTip(), Hint + "RE 6");
    clickIndicator(controls(f).secpos);
    QCOMPARE(shownPicture(f), QStringLiteral("re_6_sec.gif"));
    QCOMPARE(f->list().pendingPicture(), QStringLiteral("re_6_sec.gif"));
    QCOMPARE(f->list().lines(), QStringList{"RE 6"});
}

void TestChooser::missingPicture()
{
    auto t = startShown(Pictures::Own);
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 2, 0);
    t->folder->removeFile(QStringLiteral("imm/do.gif"));

    // The name and the pending picture change; the view keeps its picture and
    // the hints their text.
    pickRoot(f, 0);
    const QString path = t->folder->file(QStringLiteral("imm/do.gif"));
    QCOMPARE(t->prompts.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Cannot open file ") + path + QLatin1Char('.')});
    QCOMPARE(t->prompts.calls().constLast().caption, t->ctx.applicationTitle);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("DO Maggiore"));
    QCOMPARE(f->list().pendingPicture(), QStringLiteral("do.gif"));
    QCOMPARE(shownPicture(f), QStringLiteral("re.gif"));
    QVERIFY(!controls(f).secpos->isVisible());
    QCOMPARE(controls(f).gif->toolTip(), Hint + "RE Maggiore");

    // The program goes on.
    pickType(f, 9);
    checkChordShown(*t, QStringLiteral("DO Minore"), QStringLiteral("do_min.gif"));
}

void TestChooser::missingSecondPicture()
{
    auto t = startShown(Pictures::Own);
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 0, 0);
    t->folder->removeFile(QStringLiteral("imm/do_sec.gif"));
    clickIndicator(controls(f).secpos);
    QCOMPARE(t->prompts.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(t->prompts.texts(QStringLiteral("error")).constFirst().endsWith("imm/do_sec.gif."));
    QCOMPARE(secposColour(f), Red);
    QCOMPARE(f->list().pendingPicture(), QStringLiteral("do_sec.gif"));
    QCOMPARE(shownPicture(f), QStringLiteral("do.gif"));
}

// Tab and the arrow keys choose every chord and the blank entry: each root in
// turn, and under it every type, down the column and back up.
void TestChooser::keyboardAlone()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    auto checkChord = [&](int root, int type, chords::Source source) {
        QCOMPARE(controls(f).note->itemIndex(), root);
        QCOMPARE(controls(f).toni->itemIndex(), type);
        QCOMPARE(controls(f).Panel1->text(), chords::chordName(root, type, source));
        QCOMPARE(shownPicture(f), chords::chordPicture(root, type));
    };

    // Without a selection Tab enters a group at its first item.
    controls(f).BitBtn1->setFocus();
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), controls(f).note->button(0));
    press(Qt::Key_Space);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), controls(f).toni->button(0));
    press(Qt::Key_Space);
    checkChord(0, 0, chords::Source::TypeGroup);
    for (int root = 0; root < 12; ++root) {
        if (root > 0) {
            // Back to the roots at the one selected, one down, and over to the types.
            press(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), controls(f).note->button(root - 1));
            press(Qt::Key_Down);
            checkChord(root, controls(f).toni->itemIndex(), chords::Source::NoteGroup);
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     controls(f).toni->button(controls(f).toni->itemIndex()));
        }
        const bool down = root % 2 == 0;
        for (int step = 1; step < 12; ++step) {
            press(down ? Qt::Key_Down : Qt::Key_Up);
            checkChord(root, down ? step : 11 - step, chords::Source::TypeGroup);
        }
    }

    // On to the blank entry, then back: the groups start at their first item again.
    for (int i = 0; i < 20 && QApplication::focusWidget() != controls(f).spazio; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), controls(f).spazio);
    press(Qt::Key_Space);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Spazio Vuoto"));
    QCOMPARE(controls(f).note->itemIndex(), -1);
    for (int i = 0; i < 20 && f->focusWidget()->parentWidget() != controls(f).toni; ++i)
        press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), controls(f).toni->button(0));
}

// What a screen reader shows and does: the toggle action selects as a click
// does, the name panel reads its caption, the picture is described by the chord
// on display, also one taken from the list.
void TestChooser::accessibilityActions()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    auto toggle = [](QWidget* w) {
        QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    };
    auto text = [](QWidget* w, QAccessible::Text which) {
        return QAccessible::queryAccessibleInterface(w)->text(which);
    };
    QCOMPARE(text(controls(f).gif, QAccessible::Description), QStringLiteral("Nessun accordo"));
    toggle(controls(f).note->button(9));
    toggle(controls(f).toni->button(9));
    checkChordShown(*t, QStringLiteral("LA Minore"), QStringLiteral("la_min.gif"));
    QCOMPARE(text(controls(f).Panel1, QAccessible::Name), QStringLiteral("LA Minore"));
    QCOMPARE(text(controls(f).gif, QAccessible::Description), Hint + "LA Minore");
    clickButton(controls(f).Button1);
    toggle(controls(f).spazio);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Spazio Vuoto"));
    QCOMPARE(text(controls(f).gif, QAccessible::Description), QStringLiteral("Nessun accordo"));
    clickRow(f, 0);
    QCOMPARE(text(controls(f).gif, QAccessible::Description), Hint + "LA Minore");
}

QTEST_MAIN(TestChooser)
#include "test_chooser.moc"
