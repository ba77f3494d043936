#include "chordlist/chord_list_model.h"
#include "chords/fingering.h"
#include "chords/fingering_engine.h"
#include "chords/fingerings_window.h"
#include "chords/fretboard_widget.h"
#include "chords/tuning.h"
#include "chords/which_chord_page.h"
#include "support/window_driver.h"

#include <QAccessible>
#include <QListWidget>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>

using namespace driver;

namespace {

// Puts a shape down from the keyboard alone, string by string from the low MI, starting
// from open strings with the cursor anywhere.
void typeShape(FretboardWidget* board, const chords::Frets& frets, bool leftHanded)
{
    const Qt::Key bodyward = leftHanded ? Qt::Key_Left : Qt::Key_Right;
    for (int s = 0; s < chords::StringCount; ++s)
        QTest::keyClick(board, Qt::Key_Down);
    for (int s = 0; s < chords::StringCount; ++s) {
        QTest::keyClick(board, Qt::Key_Home);
        if (frets[s] < 0)
            QTest::keyClick(board, Qt::Key_X);
        for (int f = 0; f < frets[s]; ++f)
            QTest::keyClick(board, bodyward);
        if (frets[s] > 0)
            QTest::keyClick(board, Qt::Key_Space);
        QTest::keyClick(board, Qt::Key_Up);
    }
}

} // namespace

class TestWhichChord : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The window keeps its choices in the user's settings; a test keeps them apart.
        QStandardPaths::setTestModeEnabled(true);
        initTestEnvironment();
    }
    void shapeFromKeys_data();
    void shapeFromKeys();
};

void TestWhichChord::shapeFromKeys_data()
{
    QTest::addColumn<QString>("frets");
    QTest::addColumn<QString>("tuning");
    QTest::addColumn<bool>("american");
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<QString>("first");   // empty when no chord matches
    QTest::addColumn<QString>("outcome"); // the line under the list
    QTest::addColumn<QString>("fifthString");
    QTest::addColumn<QString>("shown"); // in the main window after a click on the first

    QTest::newRow("open DO") << "x 3 2 0 1 0"
                             << "standard" << false << false << "DO Maggiore"
                             << "Note: DO MI SOL"
                             << "corda 5: tasto 3, DO"
                             << "DO Maggiore";
    QTest::newRow("open MI, left-handed") << "0 2 2 1 0 0"
                                          << "standard" << false << true << "MI Maggiore"
                                          << "Note: MI SOL# SI"
                                          << "corda 5: tasto 2, SI"
                                          << "MI Maggiore";
    QTest::newRow("inversion") << "x x 2 2 2 0"
                               << "standard" << false << false << "LA Maggiore / MI"
                               << "Note: MI LA DO#"
                               << "corda 5: muta"
                               << "LA Maggiore";
    QTest::newRow("barre, sharp root")
        << "x 4 6 6 6 4"
        << "standard" << false << false << "DO# Maggiore / REb Maggiore"
        << "Note: DO# FA SOL#"
        << "corda 5: tasto 4, DO#"
        << "DO# Maggiore / REb Maggiore";
    QTest::newRow("DADGAD, American") << "0 0 4 2 0 0"
                                      << "dadgad" << true << false << "D"
                                      << "Note: D F# A"
                                      << "corda 5: a vuoto, A"
                                      << "RE Maggiore";
    QTest::newRow("no chord of the program")
        << "x 3 2 1 0 0"
        << "standard" << false << false << ""
        << "Nessun accordo del programma ha queste note. Note: DO MI SOL# SI"
        << "corda 5: tasto 3, DO"
        << "Scegli";
}

// The page as a user reaches it: "Diteggiature" opened, its second tab, the shape typed on
// the neck; then the best chord clicked and added to the list from the main window.
void TestWhichChord::shapeFromKeys()
{
    QFETCH(QString, frets);
    QFETCH(QString, tuning);
    QFETCH(bool, american);
    QFETCH(bool, leftHanded);
    QFETCH(QString, first);
    QFETCH(QString, outcome);
    QFETCH(QString, fifthString);
    QFETCH(QString, shown);
    const chords::Frets shape = *chords::parseFrets(frets.toStdString());

    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    if (american)
        clickIndicator(controls(f).americana);
    t->app->openFingerings();
    FingeringsWindow* window = t->app->fingeringsWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->setTuning(tuning);
    window->setCapo(0);
    window->setLeftHanded(leftHanded);
    auto* page = control<WhichChordPage>(window, QStringLiteral("CheAccordo"));
    control<QTabWidget>(window, QStringLiteral("pagine"))->setCurrentWidget(page);
    auto* board = control<FretboardWidget>(page, QStringLiteral("tastiera"));
    board->setFocus(Qt::TabFocusReason);
    QVERIFY(board->hasFocus());

    typeShape(board, shape, leftHanded);
    QCOMPARE(page->frets(), shape);
    auto* results = control<QListWidget>(page, QStringLiteral("risultati"));
    QCOMPARE(results->count() > 0 ? results->item(0)->text() : QString(), first);
    QCOMPARE(control<QLabel>(page, QStringLiteral("note"))->text(), outcome);
    // Screen readers get the strings high mi first: the fifth string is the fifth item.
    QAccessibleInterface* neck = QAccessible::queryAccessibleInterface(board);
    QCOMPARE(neck->childCount(), chords::StringCount);
    QCOMPARE(neck->child(4)->text(QAccessible::Name), fifthString);

    QSignalSpy strums(window, &FingeringsWindow::strumRequested);
    QTest::keyClick(board, Qt::Key_Return);
    QCOMPARE(strums.count(), 1);
    QCOMPARE(strums.at(0).at(0).value<chords::Pitches>(),
             chords::soundingPitches(shape, *chords::findTuning(tuning.toStdString())));

    if (results->count() > 0) {
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->visualItemRect(results->item(0)).center());
        clickButton(controls(f).Button1); // "Aggiungi in Lista"
        QCOMPARE(f->list().lines(), QStringList{shown});
    }
    QCOMPARE(controls(f).Panel1->text(), shown);
}

QTEST_MAIN(TestWhichChord)
#include "test_which_chord.moc"
