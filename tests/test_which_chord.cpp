#include "chordlist/chord_list_model.h"
#include "chords/fingering.h"
#include "chords/fingering_engine.h"
#include "chords/fingerings_panel.h"
#include "chords/tuning.h"
#include "support/window_driver.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace driver;

namespace {

// Puts a shape down from the keyboard alone, string by string from the low MI, starting
// from open strings with the cursor anywhere.
void typeShape(QWidget* neck, const chords::Frets& frets, bool leftHanded)
{
    const Qt::Key bodyward = leftHanded ? Qt::Key_Left : Qt::Key_Right;
    for (int s = 0; s < chords::StringCount; ++s)
        QTest::keyClick(neck, Qt::Key_Down);
    for (int s = 0; s < chords::StringCount; ++s) {
        QTest::keyClick(neck, Qt::Key_Home);
        if (frets[s] < 0)
            QTest::keyClick(neck, Qt::Key_X);
        for (int f = 0; f < frets[s]; ++f)
            QTest::keyClick(neck, bodyward);
        if (frets[s] > 0)
            QTest::keyClick(neck, Qt::Key_Space);
        QTest::keyClick(neck, Qt::Key_Up);
    }
}

} // namespace

class TestWhichChord : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        // The window keeps its choices in the user's settings; a test keeps them apart.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }
    void shapeFromKeys_data();
    void shapeFromKeys();

private:
    QTemporaryDir m_settings;
};

void TestWhichChord::shapeFromKeys_data()
{
    QTest::addColumn<QString>("frets");
    QTest::addColumn<QString>("tuning"); // as the tuning selector shows it
    QTest::addColumn<bool>("american");
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<QString>("first");   // empty when no chord matches
    QTest::addColumn<QString>("outcome"); // the line under the list
    QTest::addColumn<QString>("fifthString");
    QTest::addColumn<QString>("shown"); // in the main window after a click on the first

    QTest::newRow("open DO") << "x 3 2 0 1 0"
                             << "Standard" << false << false << "DO Maggiore"
                             << "Note: DO MI SOL"
                             << "corda 5: tasto 3, DO"
                             << "DO Maggiore";
    QTest::newRow("open MI, left-handed") << "0 2 2 1 0 0"
                                          << "Standard" << false << true << "MI Maggiore"
                                          << "Note: MI SOL# SI"
                                          << "corda 5: tasto 2, SI"
                                          << "MI Maggiore";
    QTest::newRow("inversion") << "x x 2 2 2 0"
                               << "Standard" << false << false << "LA Maggiore / MI"
                               << "Note: MI LA DO#"
                               << "corda 5: muta"
                               << "LA Maggiore";
    QTest::newRow("barre, sharp root")
        << "x 4 6 6 6 4"
        << "Standard" << false << false << "DO# Maggiore / REb Maggiore"
        << "Note: DO# FA SOL#"
        << "corda 5: tasto 4, DO#"
        << "DO# Maggiore / REb Maggiore";
    QTest::newRow("DADGAD, American") << "0 0 4 2 0 0"
                                      << "DADGAD" << true << false << "D"
                                      << "Note: D F# A"
                                      << "corda 5: a vuoto, A"
                                      << "RE Maggiore";
    QTest::newRow("no chord of the program")
        << "x 3 2 1 0 0"
        << "Standard" << false << false << ""
        << "Nessun accordo del programma ha queste note. Note: DO MI SOL# SI"
        << "corda 5: tasto 3, DO"
        << "Scegli";
}

// The page as a user reaches it: "Diteggiature" opened, its second tab, the shape typed on
// the neck and heard; then the best chord clicked and added to the list from the main
// window.
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
    QWidget* window = t->app->fingeringsWindow()->widget();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* tunings = control<QComboBox>(window, QStringLiteral("accordatura"));
    tunings->setCurrentIndex(tunings->findText(tuning));
    control<QCheckBox>(window, QStringLiteral("mancino"))->setChecked(leftHanded);
    QWidget* page = control<QWidget>(window, QStringLiteral("CheAccordo"));
    control<QTabWidget>(window, QStringLiteral("pagine"))->setCurrentWidget(page);
    QWidget* neck = control<QWidget>(page, QStringLiteral("tastiera"));
    neck->setFocus(Qt::TabFocusReason);
    QVERIFY(neck->hasFocus());

    typeShape(neck, shape, leftHanded);
    QCOMPARE(control<QLabel>(page, QStringLiteral("diteggiatura"))->text(),
             QStringLiteral("Corde: ") + frets);
    auto* results = control<QListWidget>(page, QStringLiteral("risultati"));
    QCOMPARE(results->count() > 0 ? results->item(0)->text() : QString(), first);
    QCOMPARE(control<QLabel>(page, QStringLiteral("note"))->text(), outcome);
    // Screen readers get the strings high mi first: the fifth string is the fifth item.
    QAccessibleInterface* strings = QAccessible::queryAccessibleInterface(neck);
    QCOMPARE(strings->childCount(), chords::StringCount);
    QCOMPARE(strings->child(4)->text(QAccessible::Name), fifthString);

    QList<chords::Pitches> strums;
    t->app->fingeringsWindow()->setStrumHandler(
        [&strums](const chords::Pitches& pitches) { strums << pitches; });
    QTest::keyClick(neck, Qt::Key_Return);
    QCOMPARE(strums.size(), 1);
    QCOMPARE(strums[0],
             chords::soundingPitches(
                 shape, *chords::findTuning(tunings->currentData().toString().toStdString())));

    if (results->count() > 0) {
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->visualItemRect(results->item(0)).center());
        clickButton(controls(f).Button1); // "Aggiungi in Lista"
        QCOMPARE(f->listDocument().entries().lines(), QStringList{shown});
    }
    QCOMPARE(controls(f).Panel1->text(), shown);
}

QTEST_MAIN(TestWhichChord)
#include "test_which_chord.moc"
