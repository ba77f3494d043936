#include "chordlist/chord_list_model.h"
#include "core/text_file.h"
#include "support/window_driver.h"

#include <QItemSelectionModel>

using namespace driver;

namespace {

const QString Caption = QStringLiteral("Corvalto 3.0 by Virmosk - ");

const QHash<QString, QString> Messages{
    {"full", "La lista non può contenere più di 300 elementi!"},
    {"choose", "Selezionare prima un accordo da aggiungere!"},
    {"type", "Scegliere prima una tonalità!"},
    {"root", "Scegliere prima una nota!"},
    {"position", "Selezionare prima la posizione in cui inserire l'accordo!"},
    {"remove", "Selezionare prima un accordo da rimuovere!"},
    {"empty", "Lista già vuota!"},
};

// Runs a script of user actions separated by ";": "c R T" picks root R and
// type T, "r R" and "t T" one group, "sec" clicks secpos, "blank" spazio,
// "add", "ins", "rem", "clr" the buttons, "row i" a list row, "space" and
// "down" keys in the list.
void run(MainWindow* f, const QString& script)
{
    for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList w = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString& cmd = w.at(0);
        if (cmd == "c")
            pickChord(f, w.at(1).toInt(), w.at(2).toInt());
        else if (cmd == "r")
            pickRoot(f, w.at(1).toInt());
        else if (cmd == "t")
            pickType(f, w.at(1).toInt());
        else if (cmd == "sec")
            clickIndicator(controls(f).secpos);
        else if (cmd == "blank")
            clickIndicator(controls(f).spazio);
        else if (cmd == "add")
            clickButton(controls(f).Button1);
        else if (cmd == "ins")
            clickButton(controls(f).Button4);
        else if (cmd == "rem")
            clickButton(controls(f).Button2);
        else if (cmd == "clr")
            clickButton(controls(f).Button3);
        else if (cmd == "row")
            clickRow(f, w.at(1).toInt());
        else if (cmd == "space")
            pressKey(f, Qt::Key_Space);
        else if (cmd == "down")
            pressKey(f, Qt::Key_Down);
        else
            QFAIL(qPrintable("unknown step " + step));
    }
}

QStringList entryPictures(MainWindow* f)
{
    QStringList pictures;
    for (int i = 0; i < f->list().count(); ++i)
        pictures << f->list().picture(i);
    return pictures;
}

QStringList split(const QString& s)
{
    return s.isNull() ? QStringList() : s.split(QLatin1Char('|'));
}

// Counters and fill indicator agree with the lines.
void checkCounters(MainWindow* f)
{
    QCOMPARE(controls(f).Edit3->text(), QString::number(f->list().count()));
    QCOMPARE(controls(f).ProgressBar1->value(), f->list().count());
    QCOMPARE(f->list().lastIndex(), f->list().count() - 1);
}

void addChords(MainWindow* f, int n)
{
    for (int i = 0; i < n; ++i) {
        pickChord(f, i % 12, (i / 12) % 12);
        clickButton(controls(f).Button1);
    }
}

} // namespace

class TestChordList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void editing_data();
    void editing();
    void addMarksModified();
    void fullList();
    void selectResetsChooser();
    void programChangesRunNoSelect();
    void spaceIsConsumed();
    void selectedPositionNamesNoEntry();
    void staleSelection_data();
    void staleSelection();
    void clearOpenedList();
    void bannerMissingKeepsListConsistent_data();
    void bannerMissingKeepsListConsistent();
    void selectMissingPicture_data();
    void selectMissingPicture();
};

void TestChordList::editing_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("pictures");
    QTest::addColumn<QString>("selected"); // Edit2
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("messages");

    const QString none;
    QTest::newRow("add at start") << "add" << none << none << "0"
                                  << "Scegli"
                                  << ""
                                  << "choose";
    QTest::newRow("insert at start") << "ins" << none << none << "0"
                                     << "Scegli"
                                     << ""
                                     << "position";
    QTest::newRow("add twice") << "c 0 0; add; add"
                               << "DO Maggiore|DO Maggiore"
                               << "do.gif|do.gif"
                               << "0"
                               << "DO Maggiore"
                               << "do.gif"
                               << "";
    QTest::newRow("second position") << "c 0 0; sec; add"
                                     << "DO Maggiore"
                                     << "do_sec.gif"
                                     << "0"
                                     << "DO Maggiore"
                                     << "do_sec.gif"
                                     << "";
    QTest::newRow("blank") << "c 0 0; blank; add"
                           << "-"
                           << ""
                           << "0"
                           << "Spazio Vuoto"
                           << ""
                           << "";
    QTest::newRow("select blank") << "blank; add; c 0 0; add; row 0"
                                  << "-|DO Maggiore"
                                  << "|do.gif"
                                  << "1"
                                  << "Spazio Vuoto"
                                  << ""
                                  << "";
    QTest::newRow("blank, root") << "blank; r 0; add" << none << none << "0"
                                 << "Spazio Vuoto"
                                 << ""
                                 << "type";
    QTest::newRow("blank, type") << "blank; t 9; add" << none << none << "0"
                                 << "Spazio Vuoto"
                                 << ""
                                 << "root";
    QTest::newRow("insert blank, root") << "c 2 0; add; row 0; blank; r 0; ins"
                                        << "-|RE Maggiore"
                                        << "|re.gif"
                                        << "2"
                                        << "Spazio Vuoto"
                                        << ""
                                        << "";
    QTest::newRow("insert blank, type") << "c 2 0; add; row 0; blank; t 9; ins"
                                        << "-|RE Maggiore"
                                        << "|re.gif"
                                        << "2"
                                        << "Spazio Vuoto"
                                        << ""
                                        << "";
    // The former last line repeated takes its picture, even over the one shown.
    QTest::newRow("add repeats last") << "c 0 0; sec; add; sec; add"
                                      << "DO Maggiore|DO Maggiore"
                                      << "do_sec.gif|do_sec.gif"
                                      << "0"
                                      << "DO Maggiore"
                                      << "do.gif"
                                      << "";
    QTest::newRow("add selected entry") << "c 2 3; sec; add; c 0 0; add; row 0; add"
                                        << "RE 6|DO Maggiore|RE 6"
                                        << "re_6_sec.gif|do.gif|re_6_sec.gif"
                                        << "1"
                                        << "RE 6"
                                        << "re_6_sec.gif"
                                        << "";
    QTest::newRow("insert chord before selected") << "c 0 0; add; c 2 0; add; row 0; c 4 9; ins"
                                                  << "MI Minore|DO Maggiore|RE Maggiore"
                                                  << "mi_min.gif|do.gif|re.gif"
                                                  << "2"
                                                  << "MI Minore"
                                                  << "mi_min.gif"
                                                  << "";
    QTest::newRow("insert chord twice") << "c 0 0; add; c 2 0; add; row 0; c 4 9; ins; ins"
                                        << "MI Minore|MI Minore|DO Maggiore|RE Maggiore"
                                        << "mi_min.gif|mi_min.gif|do.gif|re.gif"
                                        << "3"
                                        << "MI Minore"
                                        << "mi_min.gif"
                                        << "";
    QTest::newRow("insert selected entry") << "c 0 0; sec; add; c 2 0; add; c 4 9; add; row 0; ins"
                                           << "DO Maggiore|DO Maggiore|RE Maggiore|MI Minore"
                                           << "do_sec.gif|do_sec.gif|re.gif|mi_min.gif"
                                           << "2"
                                           << "DO Maggiore"
                                           << "do_sec.gif"
                                           << "";
    QTest::newRow("insert repeats previous") << "c 0 0; sec; add; c 2 0; add; row 1; c 0 0; ins"
                                             << "DO Maggiore|DO Maggiore|RE Maggiore"
                                             << "do_sec.gif|do_sec.gif|re.gif"
                                             << "3"
                                             << "DO Maggiore"
                                             << "do.gif"
                                             << "";
    QTest::newRow("remove in the middle")
        << "c 0 0; add; c 2 0; add; c 4 9; add; c 5 6; add; c 7 4; add; row 2; rem"
        << "DO Maggiore|RE Maggiore|FA 9|SOL 7"
        << "do.gif|re.gif|fa_9.gif|sol7.gif"
        << "0"
        << "MI Minore"
        << "mi_min.gif"
        << "";
    QTest::newRow("remove twice") << "c 0 0; add; c 2 0; add; row 1; rem; rem"
                                  << "DO Maggiore"
                                  << "do.gif"
                                  << "0"
                                  << "RE Maggiore"
                                  << "re.gif"
                                  << "remove";
    QTest::newRow("space removes") << "c 0 0; add; c 2 0; add; row 0; space"
                                   << "RE Maggiore"
                                   << "re.gif"
                                   << "0"
                                   << "DO Maggiore"
                                   << "do.gif"
                                   << "";
    QTest::newRow("space unselected") << "c 0 0; add; space"
                                      << "DO Maggiore"
                                      << "do.gif"
                                      << "0"
                                      << "DO Maggiore"
                                      << "do.gif"
                                      << "remove";
    // A click on the highlighted entry shows it again after another pick.
    QTest::newRow("click highlighted entry") << "c 2 3; add; c 4 9; add; row 0; c 0 0; row 0"
                                             << "RE 6|MI Minore"
                                             << "re_6.gif|mi_min.gif"
                                             << "1"
                                             << "RE 6"
                                             << "re_6.gif"
                                             << "";
    QTest::newRow("select by key") << "c 0 0; add; c 2 0; add; row 0; down"
                                   << "DO Maggiore|RE Maggiore"
                                   << "do.gif|re.gif"
                                   << "2"
                                   << "RE Maggiore"
                                   << "re.gif"
                                   << "";
    QTest::newRow("clear empty") << "clr" << none << none << "0"
                                 << "Scegli"
                                 << ""
                                 << "empty";
    // The chord on display keeps its own picture through list edits.
    QTest::newRow("add after clear") << "c 0 0; add; c 4 9; clr; add"
                                     << "MI Minore"
                                     << "mi_min.gif"
                                     << "0"
                                     << "MI Minore"
                                     << "mi_min.gif"
                                     << "";
    QTest::newRow("add removed entry") << "c 0 0; sec; add; c 2 0; add; row 0; rem; add"
                                       << "RE Maggiore|DO Maggiore"
                                       << "re.gif|do_sec.gif"
                                       << "0"
                                       << "DO Maggiore"
                                       << "do_sec.gif"
                                       << "";
    QTest::newRow("insert after remove")
        << "c 0 0; add; c 2 0; add; c 4 9; add; row 1; rem; row 1; c 5 6; ins"
        << "DO Maggiore|FA 9|MI Minore"
        << "do.gif|fa_9.gif|mi_min.gif"
        << "3"
        << "FA 9"
        << "fa_9.gif"
        << "";
}

void TestChordList::editing()
{
    QFETCH(QString, script);
    QFETCH(QString, lines);
    QFETCH(QString, pictures);
    QFETCH(QString, selected);
    QFETCH(QString, panel);
    QFETCH(QString, shown);
    QFETCH(QString, messages);
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    run(f, script);

    QCOMPARE(f->list().lines(), split(lines));
    QCOMPARE(entryPictures(f), split(pictures));
    checkCounters(f);
    QCOMPARE(controls(f).Edit2->text(), selected);
    QCOMPARE(controls(f).Edit2->isEnabled(), selected != "0");
    QCOMPARE(controls(f).Panel1->text(), panel);
    QCOMPARE(shownPicture(f), shown);
    QStringList expected;
    for (const QString& key : messages.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        expected << Messages.value(key);
    QCOMPARE(t->prompts.texts(QStringLiteral("information")), expected);
    for (const ScriptedPrompts::Call& c : t->prompts.calls())
        QCOMPARE(c.caption, QStringLiteral("Informazione"));
}

void TestChordList::addMarksModified()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 0, 0);
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");
    clickButton(controls(f).Button1);
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");
    QVERIFY(f->document().listModified);
    QVERIFY(controls(f).Image2->fileName().endsWith(QLatin1String("imm/virmoskbn.jpg")));
    QCOMPARE(controls(f).Edit3->text(), QStringLiteral("1"));
    QCOMPARE(controls(f).ProgressBar1->value(), 1);
    QVERIFY(!f->list().entrySelected());

    // Clear neither marks nor unmarks.
    f->listDocument().setCurrentListFile(QStringLiteral("/tmp/liste/Canzone.qvl"));
    f->markClean(f->document().currentListFile);
    clickButton(controls(f).Button3);
    QCOMPARE(f->windowTitle(), Caption + "Canzone.qvl");
    QVERIFY(!f->document().listModified);
    pickChord(f, 2, 0);
    clickButton(controls(f).Button1);
    clickButton(controls(f).Button3);
    QCOMPARE(f->windowTitle(), Caption + "*Canzone.qvl");
    QVERIFY(f->document().listModified);
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChordList::fullList()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    addChords(f, 299);
    QCOMPARE(f->list().count(), 299);
    pickChord(f, 0, 0);
    clickButton(controls(f).Button1);
    QCOMPARE(f->list().count(), 300);
    QCOMPARE(f->list().line(299), QStringLiteral("DO Maggiore"));
    QCOMPARE(f->list().picture(299), QStringLiteral("do.gif"));
    QCOMPARE(controls(f).ProgressBar1->value(), controls(f).ProgressBar1->maximum());
    QCOMPARE(controls(f).Edit3->text(), QStringLiteral("300"));
    QVERIFY(t->prompts.calls().isEmpty());

    // Choosing chords with a full list works and disturbs no entry.
    const QStringList lines = f->list().lines();
    const QStringList pictures = entryPictures(f);
    pickChord(f, 4, 9);
    QCOMPARE(shownPicture(f), QStringLiteral("mi_min.gif"));
    QCOMPARE(f->list().pendingPicture(), QStringLiteral("mi_min.gif"));
    QCOMPARE(f->list().lines(), lines);
    QCOMPARE(entryPictures(f), pictures);

    clickButton(controls(f).Button1);
    clickRow(f, 10);
    pickChord(f, 4, 9);
    clickButton(controls(f).Button4);
    const QString full = Messages.value("full");
    QCOMPARE(t->prompts.texts(QStringLiteral("information")), QStringList({full, full}));
    QCOMPARE(f->list().lines(), lines);
    QCOMPARE(entryPictures(f), pictures);
    checkCounters(f);

    // After one Remove an Add succeeds again, with the chord on display.
    clickRow(f, 10);
    clickButton(controls(f).Button2);
    QCOMPARE(f->list().count(), 299);
    pickChord(f, 4, 9);
    clickButton(controls(f).Button1);
    QCOMPARE(f->list().count(), 300);
    QCOMPARE(f->list().line(299), QStringLiteral("MI Minore"));
    QCOMPARE(f->list().picture(299), QStringLiteral("mi_min.gif"));
    QCOMPARE(f->list().picture(10), pictures.at(11));
    checkCounters(f);
    QCOMPARE(t->prompts.texts(QStringLiteral("information")).size(), 2);
}

void TestChordList::selectResetsChooser()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 2, 3);
    clickButton(controls(f).Button1);
    pickChord(f, 0, 0);
    clickIndicator(controls(f).secpos);
    clickIndicator(controls(f).americana);
    QCOMPARE(f->list().pendingPicture(), QStringLiteral("do_sec.gif"));

    clickRow(f, 0);
    QVERIFY(f->list().entrySelected());
    QCOMPARE(f->list().selectedPos(), 0);
    QVERIFY(controls(f).Edit2->isEnabled());
    QCOMPARE(controls(f).Edit2->text(), QStringLiteral("1"));
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("RE 6"));
    QCOMPARE(shownPicture(f), QStringLiteral("re_6.gif"));
    QCOMPARE(controls(f).note->itemIndex(), -1);
    QCOMPARE(controls(f).toni->itemIndex(), -1);
    QVERIFY(!controls(f).spazio->isChecked());
    QVERIFY(!controls(f).secpos->isVisible());
    QVERIFY(!controls(f).secpos->isChecked());
    QVERIFY(controls(f).americana->isChecked());
    // Selecting changes neither the list nor the document.
    QCOMPARE(f->list().lines(), QStringList{"RE 6"});
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChordList::programChangesRunNoSelect()
{
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    addChords(f, 3);
    clickRow(f, 1);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("DO# Maggiore / REb Maggiore"));
    pickChord(f, 4, 9);

    // A line removed by the program moves the view's selection, not the chooser.
    f->list().removeLine(1);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("MI Minore"));
    QCOMPARE(f->list().selectedPos(), 1);

    clickRow(f, 0);
    pickChord(f, 4, 9);
    f->list().replaceAll({"LA Minore", "SI 7"}, {"la_min.gif", "si7.gif"});
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("MI Minore"));
    QCOMPARE(controls(f).Edit2->text(), QStringLiteral("1"));
    f->list().clearLines();
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("MI Minore"));
    QVERIFY(t->prompts.calls().isEmpty());
}

void TestChordList::spaceIsConsumed()
{
    // Space would select the list's current row; it only runs Remove.
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    addChords(f, 2);
    controls(f).ListBox1->selectionModel()->setCurrentIndex(f->list().index(1, 0),
                                                            QItemSelectionModel::NoUpdate);
    pressKey(f, Qt::Key_Space);
    QCOMPARE(t->prompts.texts(QStringLiteral("information")),
             QStringList{Messages.value("remove")});
    QVERIFY(!controls(f).ListBox1->selectionModel()->hasSelection());
    QVERIFY(!f->list().entrySelected());
    QCOMPARE(f->list().count(), 2);
}

void TestChordList::selectedPositionNamesNoEntry()
{
    // Lines replaced under a selection may leave it past their end.
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    addChords(f, 5);
    clickRow(f, 4);
    f->list().replaceAll({"LA Minore", "SI 7"}, {"la_min.gif", "si7.gif"});
    f->showEntryCount();
    QVERIFY(f->list().entrySelected());
    pickChord(f, 0, 0);

    clickButton(controls(f).Button2);
    clickButton(controls(f).Button4);
    QCOMPARE(t->prompts.texts(QStringLiteral("information")),
             QStringList({Messages.value("remove"), Messages.value("position")}));
    QCOMPARE(f->list().lines(), QStringList({"LA Minore", "SI 7"}));
    QCOMPARE(entryPictures(f), QStringList({"la_min.gif", "si7.gif"}));
    QCOMPARE(f->list().selectedPos(), 4);
    QVERIFY(f->list().entrySelected());
    checkCounters(f);
}

// Opening a list and the About command leave no entry selected and none
// highlighted: Remove asks for a selection, and a click on the entry that was
// highlighted selects it again.
void TestChordList::staleSelection_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("counter");
    QTest::newRow("open another list") << "open"
                                       << "0";
    QTest::newRow("About") << "about"
                           << "3";
}

void TestChordList::staleSelection()
{
    QFETCH(QString, command);
    QFETCH(QString, counter);
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    const QStringList lines{"DO Maggiore", "RE Maggiore", "MI Maggiore", "FA Maggiore"};
    const QStringList pictures{"do.gif", "re.gif", "mi.gif", "fa.gif"};
    f->list().replaceAll(lines, pictures);
    f->showEntryCount();
    clickRow(f, 2);
    QVERIFY(f->list().entrySelected());
    if (command == "open") {
        const QString path = t->folder->file("liste/altra.qvl");
        textfile::writeLines(path, QStringList{"Altra", "4"} + lines + pictures);
        t->prompts.chooseFile(path);
        controls(f).Apri1->trigger();
    } else {
        controls(f).Info1->trigger();
    }
    QVERIFY(!f->list().entrySelected());
    QVERIFY(!controls(f).Edit2->isEnabled());
    QCOMPARE(controls(f).Edit2->text(), counter);
    QVERIFY(controls(f).ListBox1->selectionModel()->selectedIndexes().isEmpty());
    clickButton(controls(f).Button2);
    QCOMPARE(t->prompts.texts(QStringLiteral("information")),
             QStringList{Messages.value("remove")});
    QCOMPARE(f->list().lines(), lines);

    clickRow(f, 2);
    QVERIFY(f->list().entrySelected());
    QCOMPARE(f->list().selectedPos(), 2);
    QCOMPARE(controls(f).Edit2->text(), QStringLiteral("3"));
    clickButton(controls(f).Button2);
    QCOMPARE(f->list().lines(), QStringList({"DO Maggiore", "RE Maggiore", "FA Maggiore"}));
}

void TestChordList::clearOpenedList()
{
    // A list opened from a file and emptied with Remove is cleared silently.
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    f->list().replaceAll({"LA Minore"}, {"la_min.gif"});
    f->listDocument().setFromFile(true);
    f->showEntryCount();
    clickRow(f, 0);
    clickButton(controls(f).Button2);
    QVERIFY(f->list().isEmpty());
    clickButton(controls(f).Button3);
    QVERIFY(t->prompts.texts(QStringLiteral("information")).isEmpty());
    QVERIFY(!f->document().listFromFile);
    QCOMPARE(f->list().selectedPos(), 0);
    clickButton(controls(f).Button3);
    QCOMPARE(t->prompts.texts(QStringLiteral("information")), QStringList{Messages.value("empty")});
}

void TestChordList::bannerMissingKeepsListConsistent_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("pictures");
    QTest::newRow("add") << "c 0 0; add"
                         << "DO Maggiore"
                         << "do.gif";
    QTest::newRow("insert") << "c 0 0; add; add; row 1; c 2 0; ins"
                            << "DO Maggiore|RE Maggiore|DO Maggiore"
                            << "do.gif|re.gif|do.gif";
    QTest::newRow("remove") << "c 0 0; add; c 2 0; add; row 0; rem"
                            << "RE Maggiore"
                            << "re.gif";
}

void TestChordList::bannerMissingKeepsListConsistent()
{
    QFETCH(QString, script);
    QFETCH(QString, lines);
    QFETCH(QString, pictures);
    auto t = startShown(Pictures::Own);
    MainWindow* f = t->w().mainWindow;
    t->folder->removeFile(QStringLiteral("imm/virmoskbn.jpg"));
    run(f, script);
    QVERIFY(!t->prompts.texts(QStringLiteral("error")).isEmpty());
    QVERIFY(t->prompts.texts(QStringLiteral("error")).constFirst().endsWith("imm/virmoskbn.jpg."));
    QCOMPARE(f->list().lines(), split(lines));
    QCOMPARE(entryPictures(f), split(pictures));
    checkCounters(f);
    if (script.endsWith("ins"))
        QCOMPARE(controls(f).Edit2->text(), QString::number(f->list().selectedPos() + 1));
}

void TestChordList::selectMissingPicture_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << "nessuno.gif"
                                  << "imm/nessuno.gif";
    QTest::newRow("no picture name") << ""
                                     << "imm/";
}

void TestChordList::selectMissingPicture()
{
    QFETCH(QString, picture);
    QFETCH(QString, path);
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    f->list().replaceAll({"DO Maggiore", "LA 7"}, {"do.gif", picture});
    f->showEntryCount();
    pickChord(f, 0, 0);
    clickRow(f, 1);
    QCOMPARE(t->prompts.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Cannot open file ") + t->folder->file(path) + "."});
    QVERIFY(f->list().entrySelected());
    QCOMPARE(f->list().selectedPos(), 1);
    QCOMPARE(controls(f).Edit2->text(), QStringLiteral("2"));
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("LA 7"));
    QCOMPARE(shownPicture(f), QStringLiteral("do.gif"));
    // Select ended at the picture: the groups keep their selection.
    QCOMPARE(controls(f).note->itemIndex(), 0);
}

QTEST_MAIN(TestChordList)
#include "test_chord_list.moc"
