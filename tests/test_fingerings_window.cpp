// The window "Diteggiature": it follows the main window's chord, its diagrams are named
// for a screen reader, the keys move between them and strum them in the chosen tuning and
// capo, and the choices are kept. The whole test runs on a screen of two device pixels per
// pixel, where the main window draws its fingering picture instead of scaling it.

#include "chordlist/chord_list_model.h"
#include "chords/fingering_engine.h"
#include "chords/fingerings_panel.h"
#include "chords/strum_controller.h"
#include "support/window_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

#include <algorithm>

using namespace driver;

namespace {

const QString NoChord = QStringLiteral("Nessun accordo scelto: scegli una nota e una tonalità "
                                       "nella finestra principale.");

QString heading(const QWidget* window)
{
    return control<QLabel>(window, QStringLiteral("accordo"))->text();
}

// The diagrams a screen reader finds in the window, in order: buttons named by position.
QStringList accessibleDiagrams(QAccessibleInterface* node)
{
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->role() == QAccessible::Button &&
            child->text(QAccessible::Name).startsWith(QStringLiteral("Posizione ")))
            names << child->text(QAccessible::Name);
        names << accessibleDiagrams(child);
    }
    return names;
}

QString focusedDiagram(const QWidget* window)
{
    const QWidget* focused = window->focusWidget();
    return focused && focused->objectName().startsWith(QLatin1String("diagramma"))
               ? focused->accessibleName()
               : QString();
}

// The frets a diagram's accessible name gives: "... corde x 0 2 2 1 0, dita ...".
chords::Frets fretsNamed(const QWidget* diagram)
{
    const QString name = diagram->accessibleName();
    const qsizetype from = name.indexOf(QLatin1String("corde ")) + 6;
    const auto frets = chords::parseFrets(
        name.mid(from, name.indexOf(QLatin1Char(','), from) - from).toStdString());
    return frets ? *frets : chords::Frets{};
}

// The program shown, finding the window's module in the build's program folder.
std::unique_ptr<TestApp> start()
{
    auto t = startShown();
    t->ctx.moduleDirs = QStringList{QStringLiteral(CORVALTO_PROGRAM_DIR)};
    return t;
}

// Steps a user takes in the main window: "pick ROOT TYPE", "second", "blank", "add",
// "row N".
void run(MainWindow* f, const QString& step)
{
    const QStringList words = step.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("pick"))
        pickChord(f, words[1].toInt(), words[2].toInt());
    else if (words[0] == QLatin1String("second"))
        clickIndicator(controls(f).secpos);
    else if (words[0] == QLatin1String("blank"))
        clickIndicator(controls(f).spazio);
    else if (words[0] == QLatin1String("add"))
        clickButton(controls(f).Button1);
    else if (words[0] == QLatin1String("row"))
        clickRow(f, words[1].toInt());
    else
        QFAIL(qPrintable(step));
}

} // namespace

class TestFingeringsWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void followsTheMainWindow_data();
    void followsTheMainWindow();
    void keysStrumAndChoicesKept();

private:
    QTemporaryDir m_settings;
};

void TestFingeringsWindow::initTestCase()
{
    initTestEnvironment();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    qputenv("PULSE_SERVER", "unix:/nonexistent/corvalto-test");
}

void TestFingeringsWindow::followsTheMainWindow_data()
{
    QTest::addColumn<bool>("openFirst");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("diagrams");
    // Part of the focused diagram's accessible name.
    QTest::addColumn<QString>("current");

    QTest::newRow("nothing chosen") << true << QStringList() << NoChord << 0 << QString();
    QTest::newRow("opened on LA Minore") << false << QStringList{"pick 9 9"} << "LA Minore" << 12
                                         << "Posizione 1, I tasto: corde x 0 2 2 1 0, dita 2 3 1";
    QTest::newRow("FA barre") << true << QStringList{"pick 5 0"} << "FA Maggiore" << 12
                              << "Posizione 1, I tasto: corde 1 3 3 2 1 1, dita 1 3 4 2 1 1 "
                                 "(barrè)";
    QTest::newRow("second position") << true << QStringList{"pick 0 0", "second"} << "DO Maggiore"
                                     << 12 << "III tasto: corde x 3 5 5 5 3, dita ";
    QTest::newRow("blank entry") << true << QStringList{"pick 0 0", "blank"} << NoChord << 0
                                 << QString();
    QTest::newRow("list entry clicked")
        << true << QStringList{"pick 2 4", "add", "pick 4 9", "row 0"} << "RE 7" << 12
        << "Posizione 1, ";
}

void TestFingeringsWindow::followsTheMainWindow()
{
    QFETCH(bool, openFirst);
    QFETCH(QStringList, steps);
    auto t = start();
    MainWindow* f = t->w().mainWindow;
    if (openFirst)
        t->app->openFingerings();
    for (const QString& step : steps)
        run(f, step);
    if (!openFirst)
        t->app->openFingerings();
    QVERIFY(t->app->fingeringsWindow());
    QWidget* window = t->app->fingeringsWindow()->widget();
    QVERIFY(window->isVisible());

    QTEST(heading(window), "heading");
    const QStringList names = accessibleDiagrams(QAccessible::queryAccessibleInterface(window));
    QTEST(int(names.size()), "diagrams");
    for (int i = 0; i < names.size(); ++i)
        QVERIFY2(names[i].startsWith(QStringLiteral("Posizione %1, ").arg(i + 1)),
                 qPrintable(names[i]));
    QFETCH(QString, current);
    if (current.isEmpty())
        QVERIFY(focusedDiagram(window).isEmpty());
    else
        QVERIFY2(focusedDiagram(window).contains(current), qPrintable(focusedDiagram(window)));

    // On this screen the fingering picture is drawn at twice its size, not scaled.
    const QPixmap picture = controls(f).gif->pixmap();
    if (!names.isEmpty()) {
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), QSize(366, 152));
    }
}

void TestFingeringsWindow::keysStrumAndChoicesKept()
{
    auto t = start();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 9, 9);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QTest::keyClick(f, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(t->app->fingeringsWindow());
    QWidget* window = t->app->fingeringsWindow()->widget();
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), QStringLiteral("Diteggiature"));

    // Right, then down a row of four: the sixth diagram; Enter strums it.
    QTest::keyClick(window->focusWidget(), Qt::Key_Right);
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("diagramma2"));
    QTest::keyClick(window->focusWidget(), Qt::Key_Down);
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("diagramma6"));
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    QVERIFY(f->strum().player().hasTriedDevice());

    QList<chords::Pitches> strums;
    t->app->fingeringsWindow()->setStrumHandler(
        [&strums](const chords::Pitches& pitches) { strums << pitches; });
    QTest::keyClick(window->focusWidget(), Qt::Key_Space);
    QCOMPARE(strums.size(), 1);
    QCOMPARE(strums[0], chords::soundingPitches(fretsNamed(window->focusWidget()),
                                                chords::standardTuning(), 0));

    // DADGAD, capo on the second fret, left-handed, all by keyboard.
    auto* tuning = control<QComboBox>(window, QStringLiteral("accordatura"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(tuning, Qt::Key_Down);
    QCOMPARE(tuning->currentText(), QStringLiteral("DADGAD"));
    auto* capo = control<QSpinBox>(window, QStringLiteral("capotasto"));
    QTest::keyClick(capo, Qt::Key_Up);
    QTest::keyClick(capo, Qt::Key_Up);
    QTest::keyClick(control<QCheckBox>(window, QStringLiteral("mancino")), Qt::Key_Space);
    QCOMPARE(heading(window), QStringLiteral("LA Minore"));

    // A click strums the real pitches: the bass is a LA, the capo two frets up.
    auto* first = control<QWidget>(window, QStringLiteral("diagramma1"));
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(strums.size(), 2);
    const chords::Frets frets = fretsNamed(first);
    QCOMPARE(strums[1], chords::soundingPitches(frets, *chords::findTuning("dadgad"), 2));
    const auto bass = std::find_if(frets.begin(), frets.end(), [](int fret) { return fret >= 0; });
    QCOMPARE(strums[1][size_t(bass - frets.begin())] % 12, 9);

    // Kept in the user's settings for the next start, not in config.ini.
    TestApp next;
    next.ctx.moduleDirs = QStringList{QStringLiteral(CORVALTO_PROGRAM_DIR)};
    next.app->openFingerings();
    QWidget* again = next.app->fingeringsWindow()->widget();
    QCOMPARE(control<QComboBox>(again, QStringLiteral("accordatura"))->currentText(),
             QStringLiteral("DADGAD"));
    QCOMPARE(control<QSpinBox>(again, QStringLiteral("capotasto"))->value(), 2);
    QVERIFY(control<QCheckBox>(again, QStringLiteral("mancino"))->isChecked());
    QFile config(t->folder->file(QStringLiteral("config.ini")));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QVERIFY(!config.readAll().contains("dadgad"));
}

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestFingeringsWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fingerings_window.moc"
