#include "chordlist/chord_list_model.h"
#include "chords/chooser_controller.h"
#include "core/text_file.h"
#include "documents/document_controller.h"
#include "documents/information_window.h"
#include "riff/riff_editor.h"
#include "support/crafted_files.h"
#include "support/window_driver.h"
#include "ui/widgets/code_page_text_edit.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString Caption = QStringLiteral("Corvalto 3.0 by Virmosk - ");
const QString Unsaved = QStringLiteral("Lista non salvata. Salvarla ora?");
const QString Filter = QStringLiteral("File Lista v3 (*.qvl)|*.qvl");

using Entries = QList<QPair<QString, QString>>;

const Entries CanzoneEntries{{"DO Maggiore", "do.gif"}, {"-", ""}, {"LA Minore", "la_min.gif"}};

QByteArray reference(const QString& name)
{
    QFile f(QStringLiteral(CORVALTO_TEST_DATA "/lists/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing reference file %s", qPrintable(name));
    return f.readAll();
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Appends entries as the list commands do and marks the list modified.
void fill(MainWindow* f, const Entries& entries)
{
    for (const auto& [text, picture] : entries) {
        f->listDocument().entries().setPicture(f->listDocument().entries().count(), picture);
        f->listDocument().entries().appendLine(text);
    }
    f->showEntryCount();
    f->documents().markModified();
}

QStringList pictures(MainWindow* f, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(f->listDocument().entries().picture(i));
    return out;
}

// Everything of the document that a refused command must leave as it was.
struct Snapshot
{
    QStringList lines;
    QStringList pictures;
    QString title;
    QStringList information;
    QStringList buffer;
    QStringList recent;
    QStringList recentCaptions;
    QByteArray config;
    QString currentListFile;
    bool listHasFile;
    bool listFromFile;
    bool listModified;
    QString caption;
    QString status;
    QString edit2;
    bool edit2Enabled;
    QString edit3;
    int progress;
    QString banner;
};

Snapshot snapshot(TestApp& t)
{
    MainWindow* f = t.w().mainWindow;
    return {f->listDocument().entries().lines(),
            pictures(f, ChordListModel::Capacity + 1),
            controls(f).Edit1->text(),
            t.w().informationWindow->informationLines(),
            f->listDocument().listFileLines(),
            f->documents().recentFiles().entries(),
            {recentCaption(f, 1), recentCaption(f, 2), recentCaption(f, 3)},
            bytesOf(t.folder->file("config.ini")),
            f->listDocument().state().currentListFile,
            f->listDocument().state().listHasFile,
            f->listDocument().state().listFromFile,
            f->listDocument().state().listModified,
            f->windowTitle(),
            controls(f).StatusPanel0->text(),
            controls(f).Edit2->text(),
            controls(f).Edit2->isEnabled(),
            controls(f).Edit3->text(),
            controls(f).ProgressBar1->value(),
            controls(f).Image2->fileName()};
}

void compareSnapshots(const Snapshot& a, const Snapshot& b)
{
    QCOMPARE(a.lines, b.lines);
    QCOMPARE(a.pictures, b.pictures);
    QCOMPARE(a.title, b.title);
    QCOMPARE(a.information, b.information);
    QCOMPARE(a.buffer, b.buffer);
    QCOMPARE(a.recent, b.recent);
    QCOMPARE(a.recentCaptions, b.recentCaptions);
    QCOMPARE(a.config, b.config);
    QCOMPARE(a.currentListFile, b.currentListFile);
    QCOMPARE(a.listHasFile, b.listHasFile);
    QCOMPARE(a.listFromFile, b.listFromFile);
    QCOMPARE(a.listModified, b.listModified);
    QCOMPARE(a.caption, b.caption);
    QCOMPARE(a.status, b.status);
    QCOMPARE(a.edit2, b.edit2);
    QCOMPARE(a.edit2Enabled, b.edit2Enabled);
    QCOMPARE(a.edit3, b.edit3);
    QCOMPARE(a.progress, b.progress);
    QCOMPARE(a.banner, b.banner);
}

// The state a completed open, save or save as leaves (Part of the table of the
// document commands): clean, with a file, caption and status naming it.
void compareCleanWithFile(TestApp& t, const QString& path, bool fromFile)
{
    MainWindow* f = t.w().mainWindow;
    QCOMPARE(f->listDocument().state().currentListFile, path);
    QVERIFY(f->listDocument().state().listHasFile);
    QCOMPARE(f->listDocument().state().listFromFile, fromFile);
    QVERIFY(!f->listDocument().state().listModified);
    QCOMPARE(f->windowTitle(), Caption + QFileInfo(path).fileName());
    QCOMPARE(controls(f).StatusPanel0->text(), path);
    QCOMPARE(controls(f).Image2->fileName(), t.folder->file("imm/virmoskc.jpg"));
}

enum class Command { NewList, OpenList, OpenRecent, Close };

void runCommand(MainWindow* f, Command c)
{
    switch (c) {
    case Command::NewList:
        controls(f).Nuovalista1->trigger();
        break;
    case Command::OpenList:
        controls(f).Apri1->trigger();
        break;
    case Command::OpenRecent:
        controls(f).file11->trigger();
        break;
    case Command::Close:
        f->close();
        break;
    }
}

// Makes writes of more than a few bytes fail, as a full disk would, for the
// lifetime of the object.
class DiskFull
{
public:
    DiskFull()
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~DiskFull()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void saveAsWritesReference_data();
    void saveAsWritesReference();
    void extensionRule_data();
    void extensionRule();
    void saveListFirstTimeThenInPlace();
    void emptyListRefused_data();
    void emptyListRefused();
    void openListLoads_data();
    void openListLoads();
    void titleComparedWithStoredTitle();
    void informationRoundTrip();
    void newListResets();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void failedSaveKeepsPreviousFile_data();
    void failedSaveKeepsPreviousFile();
    void badFileLeavesDocumentAsItWas_data();
    void badFileLeavesDocumentAsItWas();
    void appendedExtensionAsksBeforeReplacing_data();
    void appendedExtensionAsksBeforeReplacing();
    void openRecentOpensFileChosen();
    void cleanBannerMissing_data();
    void cleanBannerMissing();
    void commandLineOpensAsDialog();
    void pendingPictureAfterLoad_data();
    void pendingPictureAfterLoad();
    void pathsOutsideCodePage();
    void unencodableTitleRefused();
    void userSavesAndReopens();
};

void TestDocuments::saveAsWritesReference_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("reference");
    QTest::newRow("example without information")
        << "Canzone" << CanzoneEntries << "canzone_noinfo.qvl";
    QTest::newRow("empty title") << "" << Entries{{"LA Minore", "la_min.gif"}} << "empty_title.qvl";
    QTest::newRow("blanks") << "Pause"
                            << Entries{{"-", ""}, {"RE 6", "re_6_sec.gif"}, {"-", ""}, {"-", ""}}
                            << "blanks.qvl";
    Entries many;
    for (int i = 1; i <= 300; ++i)
        many.append(i % 10 ? qMakePair(QStringLiteral("DO Maggiore"), QStringLiteral("do.gif"))
                           : qMakePair(QStringLiteral("-"), QString()));
    QTest::newRow("300 entries") << "Trecento" << many << "list300_noinfo.qvl";
}

void TestDocuments::saveAsWritesReference()
{
    QFETCH(QString, title);
    QFETCH(Entries, entries);
    QFETCH(QString, reference);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    controls(f).Edit1->setText(title);
    fill(f, entries);
    const QString chosen = t.folder->file("liste/Lista");
    t.prompts.chooseFile(chosen);

    controls(f).Salvaconnome1->trigger();

    QCOMPARE(t.prompts.texts("error"), QStringList());
    const QList<ScriptedPrompts::Call> calls = t.prompts.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].kind, QStringLiteral("save"));
    QCOMPARE(calls[0].dialog.title, QStringLiteral("Salva lista con nome..."));
    QCOMPARE(calls[0].dialog.filter, Filter);
    QCOMPARE(calls[0].dialog.startFolder, QStringLiteral("liste"));
    QCOMPARE(calls[0].dialog.proposedName, title + ".qvl");
    QVERIFY(calls[0].dialog.overwritePrompt);

    const QString path = chosen + ".qvl";
    QCOMPARE(bytesOf(path), ::reference(reference));
    compareCleanWithFile(t, path, false);
    QCOMPARE(f->documents().recentFiles().entries(), QStringList{path});
    QCOMPARE(recentCaption(f, 1), path);
    QCOMPARE(bytesOf(t.folder->file("config.ini")), path.toLatin1() + "\r\n");
    QCOMPARE(f->listDocument().listFileLines(), textfile::decodeLines(::reference(reference)));
}

void TestDocuments::extensionRule_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("Lista.qvl") << "Lista.qvl"
                               << "Lista.qvl";
    QTest::newRow("Lista") << "Lista"
                           << "Lista.qvl";
    QTest::newRow("Lista.txt") << "Lista.txt"
                               << "Lista.txt.qvl";
    QTest::newRow("Lista.QVL") << "Lista.QVL"
                               << "Lista.QVL.qvl";
    QTest::newRow("dot in the folder only") << "vecchie.qvl/Lista"
                                            << "vecchie.qvl/Lista.qvl";
    QTest::newRow("only the extension") << ".qvl"
                                        << ".qvl";
}

void TestDocuments::extensionRule()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    QDir(t.folder->path()).mkpath("liste/vecchie.qvl");
    fill(f, CanzoneEntries);
    t.prompts.chooseFile(t.folder->file("liste/" + chosen));
    controls(f).Salvalistaconnome1->trigger();
    const QString path = t.folder->file("liste/" + written);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(f->listDocument().state().currentListFile, path);
    QCOMPARE(controls(f).StatusPanel0->text(), path);
    QCOMPARE(f->windowTitle(), Caption + QFileInfo(path).fileName());
    QCOMPARE(f->documents().recentFiles().entry(1), path);

    // A later Save list writes the same file.
    fill(f, {{"MI Minore", "mi_min.gif"}});
    controls(f).Salva1->trigger();
    QCOMPARE(textfile::readLines(path).value(1), QStringLiteral("4"));
    QCOMPARE(t.prompts.calls().size(), 1);
}

void TestDocuments::saveListFirstTimeThenInPlace()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    t.app->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    controls(f).Edit1->setText("Canzone");
    fill(f, CanzoneEntries);

    // The tool button hinted "Salva lista con nome..." runs Save list.
    QCOMPARE(controls(f).RxSpeedButton4->toolTip(), QStringLiteral("Salva lista con nome..."));
    const QString path = t.folder->file("liste/Canzone.qvl");
    t.prompts.chooseFile(path);
    QTest::mouseClick(controls(f).RxSpeedButton4, Qt::LeftButton);
    QCOMPARE(t.prompts.calls().size(), 1);
    QCOMPARE(t.prompts.calls()[0].dialog.title, QStringLiteral("Salva lista..."));
    QCOMPARE(t.prompts.calls()[0].dialog.proposedName, QStringLiteral("Canzone.qvl"));
    QCOMPARE(bytesOf(path), reference("canzone_noinfo.qvl"));
    compareCleanWithFile(t, path, false);
    QCOMPARE(f->documents().recentFiles().entries(), QStringList{path});

    // On a saved list it writes silently to the same path, recent files untouched.
    t.prompts.clear();
    t.folder->writeConfig({"/altrove/x.qvl"});
    const QByteArray config = bytesOf(t.folder->file("config.ini"));
    controls(f).Edit1->setText("Canzone nuova");
    QVERIFY(f->listDocument().state().listModified);
    controls(f).Salvalista1->trigger();
    QVERIFY(t.prompts.calls().isEmpty());
    QCOMPARE(textfile::readLines(path).value(0), QStringLiteral("Canzone nuova"));
    compareCleanWithFile(t, path, false);
    QCOMPARE(bytesOf(t.folder->file("config.ini")), config);

    // Ctrl+S runs Save list as, even on a saved list.
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    t.prompts.cancelDialog();
    QTest::keyClick(f, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.prompts.calls().size(), 1);
    QCOMPARE(t.prompts.calls()[0].dialog.title, QStringLiteral("Salva lista con nome..."));
    QCOMPARE(t.prompts.calls()[0].dialog.proposedName, QStringLiteral("Canzone nuova.qvl"));
    compareCleanWithFile(t, path, false);
}

void TestDocuments::emptyListRefused_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"Salva1", "Salvalista1", "Salvaconnome1", "Salvalistaconnome1", "RxSpeedButton4"})
        QTest::newRow(name) << name;
}

void TestDocuments::emptyListRefused()
{
    QFETCH(QString, control);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    controls(f).Edit1->setText("Solo titolo");
    t.prompts.chooseFile(t.folder->file("liste/x"));
    if (auto* a = f->findChild<QAction*>(control))
        a->trigger();
    else
        f->findChild<QToolButton*>(control)->click();
    QCOMPARE(t.prompts.calls().size(), 1);
    QCOMPARE(t.prompts.calls()[0].kind, QStringLiteral("information"));
    QCOMPARE(t.prompts.calls()[0].text, QStringLiteral("Lista Vuota! Salvataggio annullato."));
    QCOMPARE(t.prompts.calls()[0].caption, QStringLiteral("Informazione"));
    QVERIFY(QDir(t.folder->file("liste")).isEmpty());
    QVERIFY(f->listDocument().state().listModified);
    QVERIFY(!f->listDocument().state().listHasFile);
}

void TestDocuments::openListLoads_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("pictures");
    const QStringList canzone{"DO Maggiore", "-", "LA Minore"};
    const QStringList canzonePictures{"do.gif", "", "la_min.gif"};
    QTest::newRow("CR LF") << "canzone.qvl"
                           << "Canzone" << canzone << canzonePictures;
    QTest::newRow("LF only") << "canzone_lf.qvl"
                             << "Canzone" << canzone << canzonePictures;
    QTest::newRow("CR only") << "canzone_cr.qvl"
                             << "Canzone" << canzone << canzonePictures;
    QTest::newRow("stops early") << "short.qvl"
                                 << "Corta" << canzone << QStringList{"", "", ""};
    QTest::newRow("count 0") << "count0.qvl"
                             << "Vuota" << QStringList{} << QStringList{};
    QTest::newRow("empty title") << "empty_title.qvl"
                                 << "" << QStringList{"LA Minore"} << QStringList{"la_min.gif"};
    QTest::newRow("western european characters")
        << "accents.qvl" << QStringLiteral("Canzone più bella €") << QStringList{"SOL# 7 / LAb 7"}
        << QStringList{"sol_diesis_7.gif"};
    QStringList many, manyPictures;
    for (int i = 1; i <= 300; ++i) {
        many.append(i % 10 ? "DO Maggiore" : "-");
        manyPictures.append(i % 10 ? "do.gif" : "");
    }
    QTest::newRow("300 entries") << "list300.qvl"
                                 << "Trecento" << many << manyPictures;
}

void TestDocuments::openListLoads()
{
    QFETCH(QString, reference);
    QFETCH(QString, title);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, pictures);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    // A previous list with more entries and a selected entry.
    fill(f, {{"MI", "mi.gif"}, {"FA", "fa.gif"}, {"SOL", "sol.gif"}, {"LA", "la.gif"}});
    f->listDocument().entries().setSelectedPos(2);
    f->listDocument().entries().setEntrySelected(true);
    controls(f).Edit2->setEnabled(true);
    controls(f).Edit2->setText("3");
    f->listDocument().setModified(false);

    const QString path = t.folder->file("liste/" + reference);
    writeBytes(path, ::reference(reference));
    t.prompts.chooseFile(path);
    controls(f).RxSpeedButton3->click();

    QCOMPARE(t.prompts.texts("error"), QStringList());
    QCOMPARE(t.prompts.calls().size(), 1);
    const Prompts::FileDialog d = t.prompts.calls()[0].dialog;
    QCOMPARE(t.prompts.calls()[0].kind, QStringLiteral("open"));
    QCOMPARE(d.title, QStringLiteral("Apri lista..."));
    QCOMPARE(d.filter, Filter);
    QCOMPARE(d.startFolder, QStringLiteral("liste"));

    QCOMPARE(controls(f).Edit1->text(), title);
    QCOMPARE(f->listDocument().entries().lines(), lines);
    QCOMPARE(::pictures(f, lines.size()), pictures);
    QCOMPARE(controls(f).Edit3->text(), QString::number(lines.size()));
    QCOMPARE(controls(f).ProgressBar1->value(), int(lines.size()));
    QCOMPARE(controls(f).Edit2->text(), QStringLiteral("0"));
    QVERIFY(!controls(f).Edit2->isEnabled());
    compareCleanWithFile(t, path, true);
    QCOMPARE(f->listDocument().listFileLines(), textfile::decodeLines(::reference(reference)));
    QCOMPARE(f->documents().recentFiles().entries(), QStringList{path});
    QCOMPARE(bytesOf(t.folder->file("config.ini")), path.toLatin1() + "\r\n");
    // The old selection is forgotten, as by a new list.
    QCOMPARE(f->listDocument().entries().selectedPos(), 0);
    QVERIFY(!f->listDocument().entries().entrySelected());
}

void TestDocuments::titleComparedWithStoredTitle()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString path = t.folder->file("liste/canzone.qvl");
    writeBytes(path, reference("canzone.qvl"));
    f->documents().loadListFile(path);
    QVERIFY(!f->listDocument().state().listModified);
    controls(f).Edit1->setText("Canzone");
    QVERIFY(!f->listDocument().state().listModified);
    controls(f).Edit1->setText("Canzon");
    QVERIFY(f->listDocument().state().listModified);
    QCOMPARE(f->windowTitle(), Caption + "*canzone.qvl");
    controls(f).Edit1->setText("Canzone");
    QVERIFY(f->listDocument().state().listModified);

    // A new list keeps the buffer: the stored title still counts as unchanged.
    controls(f).Nuovalista1->trigger(); // modified and not empty: asked, Cancel
    QCOMPARE(t.prompts.texts("question"), QStringList{Unsaved});
    t.prompts.answer(Prompts::Answer::No);
    controls(f).Nuovalista1->trigger();
    QCOMPARE(f->listDocument().listFileLines(), textfile::decodeLines(reference("canzone.qvl")));
    controls(f).Edit1->setText("Canzone");
    QVERIFY(!f->listDocument().state().listModified);
}

void TestDocuments::informationRoundTrip()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    InformationWindow* informationWindow = t.w().informationWindow;
    controls(f).Edit1->setText("Canzone");
    fill(f, CanzoneEntries);
    informationWindow->setInformationLines({"Capo al II tasto"});
    const QString path = t.folder->file("liste/Canzone.qvl");
    t.prompts.chooseFile(path);
    controls(f).Salvaconnome1->trigger();
    QCOMPARE(bytesOf(path), reference("canzone.qvl"));

    // Opening replaces the information with the file's, and leaves the list clean.
    informationWindow->setInformationLines({"altro", "testo"});
    t.prompts.answer(Prompts::Answer::No);
    t.prompts.chooseFile(path);
    controls(f).Apri1->trigger();
    QCOMPARE(informationWindow->informationLines(), QStringList{"Capo al II tasto"});
    QVERIFY(!f->listDocument().state().listModified);

    // Written, read and written again: identical bytes.
    const QString again = t.folder->file("liste/Ancora.qvl");
    t.prompts.chooseFile(again);
    controls(f).Salvaconnome1->trigger();
    QCOMPARE(bytesOf(again), reference("canzone.qvl"));

    const QString wrapped = t.folder->file("liste/wrapped.qvl");
    writeBytes(wrapped, reference("wrapped_info.qvl"));
    f->documents().loadListFile(wrapped);
    QCOMPARE(informationWindow->informationLines(),
             QStringList({"Intro: SOL 7 per quattro battute, poi FA 9 ",
                          "sulla strofa; ritornello due volte.", "", "Finale lento."}));
    controls(f).Salva1->trigger();
    QCOMPARE(bytesOf(wrapped), reference("wrapped_info.qvl"));

    // Final empty information lines survive opening and saving.
    const QString blankEnd = t.folder->file("liste/blank_end.qvl");
    for (const char* information : {"Nota\r\n\r\n", "\r\n", "Nota\r\n\r\n\r\n"}) {
        const QByteArray bytes =
            QByteArray("Canzone\r\n1\r\nDO Maggiore\r\ndo.gif\r\n") + information;
        writeBytes(blankEnd, bytes);
        f->documents().loadListFile(blankEnd);
        controls(f).Salva1->trigger();
        QCOMPARE(bytesOf(blankEnd), bytes);
    }

    // A new list empties the information.
    controls(f).Nuovalista1->trigger();
    QCOMPARE(informationWindow->informationLines(), QStringList());
}

void TestDocuments::newListResets()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    t.folder->writeConfig({"/liste/a.qvl"});
    const QString path = t.folder->file("liste/canzone.qvl");
    writeBytes(path, reference("canzone.qvl"));
    f->documents().loadListFile(path);
    fill(f, {{"RE 6", "re_6_sec.gif"}});
    f->listDocument().entries().setSelectedPos(3);
    f->listDocument().entries().setEntrySelected(true);
    controls(f).Edit2->setEnabled(true);
    controls(f).Edit2->setText("4");
    controls(f).note->setItemIndex(2);
    controls(f).toni->setItemIndex(0);
    controls(f).Panel1->setText("RE Maggiore");
    controls(f).gif->load(t.folder->file("imm/re.gif"));
    controls(f).gif->setToolTip("Posizione delle dita per l'accordo RE Maggiore");
    controls(f).secpos->show();
    t.w().informationWindow->setInformationLines({"Capo al II tasto"});
    control<QLineEdit>(t.w().riffEditor, "Edit1")->setText("3");
    const QStringList recent = f->documents().recentFiles().entries();
    const QByteArray config = bytesOf(t.folder->file("config.ini"));
    const QStringList buffer = f->listDocument().listFileLines();

    t.prompts.answer(Prompts::Answer::No);
    controls(f).RxSpeedButton1->click();

    QCOMPARE(t.prompts.texts("question"), QStringList{Unsaved});
    QCOMPARE(t.prompts.texts("error"), QStringList());
    QCOMPARE(controls(f).Edit1->text(), QStringLiteral("Titolo lista"));
    QCOMPARE(f->listDocument().entries().count(), 0);
    QCOMPARE(pictures(f, ChordListModel::Capacity + 1),
             QStringList(ChordListModel::Capacity + 1, QString()));
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");
    QCOMPARE(controls(f).StatusPanel0->text(), QStringLiteral("Nuova lista"));
    QCOMPARE(controls(f).Image2->fileName(), t.folder->file("imm/virmoskc.jpg"));
    QCOMPARE(controls(f).gif->toolTip(), QString());
    QCOMPARE(controls(f).Shape1->toolTip(), QString());
    QVERIFY(!controls(f).gif->hasPicture());
    QCOMPARE(controls(f).ProgressBar1->value(), 0);
    QCOMPARE(controls(f).note->itemIndex(), -1);
    QCOMPARE(controls(f).toni->itemIndex(), -1);
    QCOMPARE(controls(f).Panel1->text(), QStringLiteral("Scegli"));
    QVERIFY(!controls(f).secpos->isChecked());
    QVERIFY(controls(f).secpos->isHidden());
    QVERIFY(!f->listDocument().entries().entrySelected());
    QCOMPARE(f->listDocument().entries().selectedPos(), 0);
    QCOMPARE(controls(f).Edit2->text(), QStringLiteral("0"));
    QVERIFY(!controls(f).Edit2->isEnabled());
    QCOMPARE(controls(f).Edit3->text(), QStringLiteral("0"));
    QCOMPARE(t.w().informationWindow->informationLines(), QStringList());
    QCOMPARE(control<QLineEdit>(t.w().riffEditor, "Edit1")->text(), QStringLiteral("--"));
    const DocumentState& doc = f->listDocument().state();
    QCOMPARE(doc.currentListFile, QStringLiteral("Nuova lista"));
    QVERIFY(!doc.listHasFile);
    QVERIFY(!doc.listFromFile);
    QVERIFY(!doc.listModified);
    // Neither the recent files nor the list-file buffer change.
    QCOMPARE(f->documents().recentFiles().entries(), recent);
    QCOMPARE(bytesOf(t.folder->file("config.ini")), config);
    QCOMPARE(f->listDocument().listFileLines(), buffer);

    // Every binding of the command, shortcut included.
    QCOMPARE(controls(f).Nuovalista1->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(controls(f).Apri1->shortcut(), QKeySequence("Ctrl+A"));
    QCOMPARE(controls(f).Salvaconnome1->shortcut(), QKeySequence("Ctrl+S"));
    QVERIFY(controls(f).Salva1->shortcut().isEmpty());
}

void TestDocuments::unsavedChangesQuestion_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<int>("answer");     // -1: nothing asked
    QTest::addColumn<int>("saveDialog"); // -1: not shown, 0: cancelled, 1: a name chosen
    QTest::addColumn<bool>("writeFails");
    QTest::addColumn<bool>("goesOn");
    const QList<QPair<const char*, Command>> commands{{"new", Command::NewList},
                                                      {"open", Command::OpenList},
                                                      {"open recent", Command::OpenRecent},
                                                      {"close", Command::Close}};
    const int yes = int(Prompts::Answer::Yes), no = int(Prompts::Answer::No),
              cancel = int(Prompts::Answer::Cancel);
    for (const auto& [name, c] : commands) {
        auto row = [&](const char* what) {
            return &QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(name, what)));
        };
        *row("clean, nothing asked")
            << int(c) << false << false << false << -1 << -1 << false << true;
        *row("modified but empty") << int(c) << true << true << false << -1 << -1 << false << true;
        *row("Cancel") << int(c) << true << false << false << cancel << -1 << false << false;
        *row("No") << int(c) << true << false << false << no << -1 << false << true;
        *row("Yes, saved under a name")
            << int(c) << true << false << false << yes << 1 << false << true;
        *row("Yes, dialog cancelled")
            << int(c) << true << false << false << yes << 0 << false << false;
        *row("Yes, saved in place")
            << int(c) << true << false << true << yes << -1 << false << true;
        *row("Yes, write failed") << int(c) << true << false << true << yes << -1 << true << false;
    }
}

void TestDocuments::unsavedChangesQuestion()
{
    QFETCH(int, command);
    QFETCH(bool, modified);
    QFETCH(bool, empty);
    QFETCH(bool, hasFile);
    QFETCH(int, answer);
    QFETCH(int, saveDialog);
    QFETCH(bool, writeFails);
    QFETCH(bool, goesOn);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    t.app->show();
    const QString other = t.folder->file("liste/other.qvl");
    writeBytes(other, reference("canzone.qvl"));
    t.folder->writeConfig({other});
    f->documents().recentFiles().load({other});
    f->documents().showRecentCaptions();

    const QString own = t.folder->file("liste/sub/own.qvl");
    QDir(t.folder->path()).mkpath("liste/sub");
    controls(f).Edit1->setText("Mia");
    fill(f, {{"RE 6", "re_6_sec.gif"}, {"MI Minore", "mi_min.gif"}});
    if (hasFile) {
        t.prompts.chooseFile(own);
        controls(f).Salvaconnome1->trigger();
        fill(f, {{"FA 9", "fa_9.gif"}});
        f->documents().recentFiles().load({other});
        f->documents().showRecentCaptions();
    }
    if (!modified)
        f->listDocument().setModified(false);
    if (empty)
        f->listDocument().entries().clearEntries();
    if (writeFails)
        QDir(t.folder->file("liste/sub")).removeRecursively();
    const QStringList linesBefore = f->listDocument().entries().lines();
    t.prompts.clear();

    const QString saved = t.folder->file("liste/Mia.qvl");
    if (answer >= 0)
        t.prompts.answer(Prompts::Answer(answer));
    if (saveDialog == 0)
        t.prompts.cancelDialog();
    if (saveDialog == 1)
        t.prompts.chooseFile(saved);
    if (Command(command) == Command::OpenList)
        t.prompts.chooseFile(other);
    runCommand(f, Command(command));

    QCOMPARE(t.prompts.texts("question"), answer >= 0 ? QStringList{Unsaved} : QStringList());
    if (answer >= 0) {
        QCOMPARE(t.prompts.calls().first().caption, QStringLiteral("Conferma"));
        QVERIFY(t.prompts.calls().first().withCancel);
    }
    if (saveDialog >= 0)
        QCOMPARE(t.prompts.calls()[1].dialog.title, QStringLiteral("Salva lista con nome..."));
    QCOMPARE(QFileInfo::exists(saved), saveDialog == 1);
    if (writeFails)
        QCOMPARE(t.prompts.texts("error"), QStringList{"Cannot create file " + own + "."});
    else
        QCOMPARE(t.prompts.texts("error"), QStringList());
    if (answer == int(Prompts::Answer::Yes) && hasFile && !writeFails)
        QCOMPARE(textfile::readLines(own).value(1), QStringLiteral("3"));

    QCOMPARE(f->isVisible(), Command(command) != Command::Close || !goesOn);
    if (!goesOn) {
        // The list stays as it was, unsaved changes included.
        QCOMPARE(f->listDocument().entries().lines(), linesBefore);
        QCOMPARE(f->listDocument().state().listModified, modified);
        QCOMPARE(controls(f).Edit1->text(), QStringLiteral("Mia"));
        if (Command(command) == Command::OpenList)
            QVERIFY(t.prompts.texts("open").isEmpty());
        return;
    }
    if (Command(command) == Command::Close)
        return;
    QVERIFY(!f->listDocument().state().listModified);
    if (Command(command) == Command::NewList) {
        QCOMPARE(f->listDocument().entries().count(), 0);
        QCOMPARE(f->listDocument().state().currentListFile, QStringLiteral("Nuova lista"));
    } else {
        QCOMPARE(f->listDocument().entries().lines(),
                 QStringList({"DO Maggiore", "-", "LA Minore"}));
        QCOMPARE(f->listDocument().state().currentListFile, other);
    }
}

void TestDocuments::failedSaveKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("disk full while writing") << "disk full";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("folder removed") << "removed";
    // Refused before anything is laid out or written.
    QTest::newRow("information too long") << "information";
}

void TestDocuments::failedSaveKeepsPreviousFile()
{
    QFETCH(QString, failure);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString folder = t.folder->file("liste/sub");
    QDir().mkpath(folder);
    const QString path = folder + "/Canzone.qvl";
    controls(f).Edit1->setText("Canzone");
    fill(f, CanzoneEntries);
    t.prompts.chooseFile(path);
    controls(f).Salvaconnome1->trigger();
    QCOMPARE(bytesOf(path), reference("canzone_noinfo.qvl"));

    fill(f, {{"FA 9", "fa_9.gif"}});
    const QString modifiedCaption = f->windowTitle();
    t.prompts.clear();
    {
        std::unique_ptr<DiskFull> diskFull;
        if (failure == "disk full")
            diskFull = std::make_unique<DiskFull>();
        if (failure == "read-only") {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            QFile probe(folder + "/probe");
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
                QSKIP("this user may write into read-only folders");
            }
        }
        if (failure == "removed")
            QDir(folder).removeRecursively();
        if (failure == "information")
            control<QPlainTextEdit>(t.w().informationWindow, "Memo1")
                ->setPlainText(QString("capo ").repeated(210000));
        controls(f).Salva1->trigger();
    }
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const QString expected =
        failure == "information"
            ? QStringLiteral("Le informazioni aggiuntive sono troppo lunghe per salvare la lista: "
                             "ne può contenere al massimo 1048576 caratteri. Accorciarle e "
                             "riprovare.")
            : "Cannot create file " + path + ".";
    QCOMPARE(t.prompts.texts("error"), QStringList{expected});
    QVERIFY(f->listDocument().state().listModified);
    QCOMPARE(f->windowTitle(), modifiedCaption);
    QCOMPARE(controls(f).Image2->fileName(), t.folder->file("imm/virmoskbn.jpg"));
    if (failure != "removed") {
        // The previous file is intact and no temporary file is left behind.
        QCOMPARE(bytesOf(path), reference("canzone_noinfo.qvl"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Canzone.qvl"});
    }

    // Once the cause is gone the same command saves.
    QDir().mkpath(folder);
    t.w().informationWindow->clearInformation();
    controls(f).Salva1->trigger();
    QCOMPARE(textfile::readLines(path).value(1), QStringLiteral("4"));
    QVERIFY(!f->listDocument().state().listModified);
}

void TestDocuments::badFileLeavesDocumentAsItWas_data()
{
    // A reference file, a kind of makeCraftedFile, "many lines" or "long count".
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << "missing"
                                  << "Cannot open file %1.";
    // None of these may block or run memory away.
    QTest::newRow("named pipe") << "fifo"
                                << "Cannot open file %1.";
    QTest::newRow("folder") << "folder"
                            << "Cannot open file %1.";
    QTest::newRow("device") << "device"
                            << "Cannot open file %1.";
    QTest::newRow("50 MiB") << "50 MiB"
                            << QStringLiteral("Il file %1 è troppo grande: Corvalto legge file di "
                                              "questo tipo fino a 16 MB. Il file non è stato "
                                              "aperto.");
    QTest::newRow("a million empty lines")
        << "many lines"
        << QStringLiteral("Il file %1 ha troppe righe: Corvalto legge file di questo tipo fino a "
                          "1048576 righe. Il file non è stato aperto.");
    // The message quotes only the start of a long line.
    QTest::newRow("long count line")
        << "long count"
        << "'" + QString(60, QLatin1Char('7')) + "...' is not a valid integer value.";
    QTest::newRow("count not a number") << "bad_count.qvl"
                                        << "'tre' is not a valid integer value.";
    QTest::newRow("negative count")
        << "negative_count.qvl"
        << QStringLiteral("Il file non è una lista valida: dichiara -1 accordi, ma una lista "
                          "ne contiene da 0 a 300. La lista aperta non è stata modificata.");
    QTest::newRow("count above 300")
        << "over_count.qvl"
        << QStringLiteral("Il file non è una lista valida: dichiara 301 accordi, ma una lista "
                          "ne contiene da 0 a 300. La lista aperta non è stata modificata.");
}

void TestDocuments::badFileLeavesDocumentAsItWas()
{
    QFETCH(QString, content);
    QFETCH(QString, message);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString good = t.folder->file("liste/canzone.qvl");
    writeBytes(good, reference("canzone.qvl"));
    const QString bad = t.folder->file("liste/rotta.qvl");
    if (content.endsWith(QLatin1String(".qvl")))
        writeBytes(bad, reference(content));
    else if (content == QLatin1String("many lines"))
        writeBytes(bad, "Titolo\r\n0\r\n" + QByteArray(1024 * 1024, '\n'));
    else if (content == QLatin1String("long count"))
        writeBytes(bad, "Titolo\r\n" + QByteArray(100000, '7') + "x\r\n");
    else
        QVERIFY(makeCraftedFile(bad, content));
    t.folder->writeConfig({good, bad});
    f->documents().recentFiles().load({good, bad});
    f->documents().showRecentCaptions();

    // Another list is open, with unsaved changes the user declines to save.
    f->documents().loadListFile(good);
    fill(f, {{"RE 6", "re_6_sec.gif"}});
    f->listDocument().entries().setPendingPicture("sol.gif");
    const Snapshot before = snapshot(t);
    const QString expected = message.contains("%1") ? message.arg(bad) : message;

    // The open dialog, the recent file, and the same path given on the command line.
    for (int way = 0; way < 3; ++way) {
        t.prompts.clear();
        t.prompts.answer(Prompts::Answer::No);
        if (way == 0) {
            t.prompts.chooseFile(bad);
            controls(f).Aprilista1->trigger();
        } else if (way == 1) {
            controls(f).file21->trigger();
        } else {
            t.app->openListFile(bad);
        }
        QCOMPARE(t.prompts.texts("error"), QStringList{expected});
        QCOMPARE(t.prompts.calls().last().caption, t.ctx.applicationTitle);
        compareSnapshots(snapshot(t), before);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestDocuments::appendedExtensionAsksBeforeReplacing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Yes") << int(Prompts::Answer::Yes) << true;
    QTest::newRow("No") << int(Prompts::Answer::No) << false;
}

void TestDocuments::appendedExtensionAsksBeforeReplacing()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString existing = t.folder->file("liste/Lista.qvl");
    writeBytes(existing, reference("blanks.qvl"));
    controls(f).Edit1->setText("Canzone");
    fill(f, CanzoneEntries);
    t.prompts.chooseFile(t.folder->file("liste/Lista"));
    t.prompts.answer(Prompts::Answer(answer));
    controls(f).Salvaconnome1->trigger();

    QCOMPARE(t.prompts.texts("question"),
             QStringList{"Il file " + existing + " esiste già.\nSostituirlo?"});
    QVERIFY(!t.prompts.calls().last().withCancel);
    QCOMPARE(bytesOf(existing), reference(replaced ? "canzone_noinfo.qvl" : "blanks.qvl"));
    QCOMPARE(f->listDocument().state().listModified, !replaced);
    QCOMPARE(f->listDocument().state().listHasFile, replaced);
    QCOMPARE(f->documents().recentFiles().count(), replaced ? 1 : 0);

    // A name that already ends in ".qvl" was judged by the dialog itself.
    t.prompts.clear();
    t.prompts.chooseFile(existing);
    controls(f).Salvaconnome1->trigger();
    QVERIFY(t.prompts.texts("question").isEmpty());
    QCOMPARE(bytesOf(existing), reference("canzone_noinfo.qvl"));
}

void TestDocuments::commandLineOpensAsDialog()
{
    const QString name = QStringLiteral("canzone.qvl");
    const QStringList recent{QStringLiteral("/liste/a.qvl")};
    QList<QStringList> captions, configs;
    QList<QStringList> lines;
    for (bool fromCommandLine : {false, true}) {
        TestApp t;
        MainWindow* f = t.w().mainWindow;
        t.folder->writeConfig(recent);
        f->documents().recentFiles().load(recent);
        const QString path = t.folder->file("liste/" + name);
        writeBytes(path, reference(name));
        if (fromCommandLine) {
            t.app->openListFile(path);
        } else {
            t.prompts.chooseFile(path);
            controls(f).Apri1->trigger();
        }
        QCOMPARE(t.prompts.texts("error"), QStringList());
        captions.append({f->windowTitle().replace(path, "<path>"),
                         controls(f).StatusPanel0->text().replace(path, "<path>"),
                         controls(f).Edit1->text()});
        configs.append(
            textfile::readLines(t.folder->file("config.ini")).replaceInStrings(path, "<path>"));
        lines.append(f->listDocument().entries().lines());
    }
    QCOMPARE(captions[1], captions[0]);
    QCOMPARE(configs[1], configs[0]);
    QCOMPARE(configs[1], (QStringList{"<path>", "/liste/a.qvl"}));
    QCOMPARE(lines[1], lines[0]);
    QCOMPARE(captions[1][0], Caption + name);
}

void TestDocuments::openRecentOpensFileChosen()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString a = t.folder->file("liste/a.qvl");
    const QString b = t.folder->file("liste/b.qvl");
    writeBytes(a, reference("blanks.qvl"));
    writeBytes(b, reference("canzone.qvl"));
    t.folder->writeConfig({a, b});
    f->documents().recentFiles().load({a, b});
    f->documents().showRecentCaptions();

    // Item 2 (b) is chosen; the save under a new name during the question puts
    // the new file first and moves b to slot 3.
    controls(f).Edit1->setText("Nuova");
    fill(f, CanzoneEntries);
    const QString c = t.folder->file("liste/c.qvl");
    t.prompts.answer(Prompts::Answer::Yes);
    t.prompts.chooseFile(c);
    controls(f).file21->trigger();

    QCOMPARE(t.prompts.texts("error"), QStringList());
    QVERIFY(QFileInfo::exists(c));
    QCOMPARE(f->listDocument().state().currentListFile, b);
    QCOMPARE(controls(f).Edit1->text(), QStringLiteral("Canzone"));
    QCOMPARE(f->documents().recentFiles().entries(), QStringList({b, c, a}));
    QCOMPARE(recentCaption(f, 1), b);
    QCOMPARE(textfile::readLines(t.folder->file("config.ini")), QStringList({b, c, a}));
}

// A clean banner that cannot be shown is reported; the list is clean all the
// same, and the path is recorded as the most recent file.
void TestDocuments::cleanBannerMissing_data()
{
    QTest::addColumn<bool>("open");
    QTest::newRow("save as") << false;
    QTest::newRow("open") << true;
}

void TestDocuments::cleanBannerMissing()
{
    QFETCH(bool, open);
    TestApp t(TestProgramFolder::Imm::Copied);
    MainWindow* f = t.w().mainWindow;
    controls(f).Edit1->setText("Canzone");
    fill(f, CanzoneEntries);
    const QString path = t.folder->file("liste/Canzone.qvl");
    t.folder->removeFile("imm/virmoskc.jpg");
    t.prompts.chooseFile(path);
    if (open) {
        writeBytes(path, reference("canzone.qvl"));
        t.prompts.answer(Prompts::Answer::No);
        controls(f).Apri1->trigger();
    } else {
        controls(f).Salvaconnome1->trigger();
    }
    QCOMPARE(t.prompts.texts("error"),
             QStringList{"Cannot open file " + t.folder->file("imm/virmoskc.jpg") + "."});
    QVERIFY(!f->listDocument().state().listModified);
    QCOMPARE(f->windowTitle(), Caption + "Canzone.qvl");
    QCOMPARE(f->documents().recentFiles().entries(), QStringList{path});
    QCOMPARE(bytesOf(t.folder->file("config.ini")), path.toLatin1() + "\r\n");
}

void TestDocuments::pendingPictureAfterLoad_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("shown"); // picture in gif
    QTest::addColumn<QString>("pending");
    QTest::newRow("chord shown") << 0 << 0 << false << "DO Maggiore"
                                 << "do.gif"
                                 << "do.gif";
    QTest::newRow("second position shown") << 0 << 0 << true << "DO Maggiore"
                                           << "do_sec.gif"
                                           << "do_sec.gif";
    QTest::newRow("chord without second position, box ticked before") << 2 << 1 << true << "RE 4"
                                                                      << "re_4.gif"
                                                                      << "re_4.gif";
    QTest::newRow("list entry shown") << -1 << -1 << false << "RE 6"
                                      << "re_6_sec.gif"
                                      << "re_6_sec.gif";
    QTest::newRow("blank chosen") << -1 << -1 << false << "Spazio Vuoto"
                                  << ""
                                  << "";
    QTest::newRow("nothing chosen") << -1 << -1 << false << "Scegli"
                                    << ""
                                    << "";
}

void TestDocuments::pendingPictureAfterLoad()
{
    QFETCH(int, root);
    QFETCH(int, type);
    QFETCH(bool, second);
    QFETCH(QString, panel);
    QFETCH(QString, shown);
    QFETCH(QString, pending);
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    // The chooser's state as its handlers leave it.
    controls(f).note->setItemIndex(root);
    controls(f).toni->setItemIndex(type);
    if (second) {
        controls(f).secpos->show();
        controls(f).secpos->setChecked(true);
    }
    if (root < 0 && panel != "Scegli")
        f->chooser().showEntry(panel, panel == "Spazio Vuoto", shown);
    // A stale pending picture, as the list commands may leave it.
    f->listDocument().entries().setPendingPicture("sol.gif");
    t.prompts.clear();

    const QString path = t.folder->file("liste/canzone.qvl");
    writeBytes(path, reference("canzone.qvl"));
    f->documents().loadListFile(path);
    QCOMPARE(t.prompts.texts("error"), QStringList());
    QCOMPARE(f->listDocument().entries().pendingPicture(), pending);
    QCOMPARE(f->listDocument().entries().picture(3), pending);
    QCOMPARE(controls(f).Panel1->text(), panel);
}

void TestDocuments::pathsOutsideCodePage()
{
    auto folder = std::make_shared<TestProgramFolder>();
    const QString dir = folder->file(QStringLiteral("liste/Łódź 日本"));
    QDir().mkpath(dir);
    const QString path = dir + "/Canzone.qvl";
    const QByteArray line = "file:" + folder->path().toLatin1() +
                            "liste/%C5%81%C3%B3d%C5%BA%20%E6%97%A5%E6%9C%AC/Canzone.qvl";
    {
        TestApp t(folder);
        MainWindow* f = t.w().mainWindow;
        controls(f).Edit1->setText("Canzone");
        fill(f, CanzoneEntries);
        t.prompts.chooseFile(dir + "/Canzone");
        controls(f).Salvaconnome1->trigger();
        QCOMPARE(t.prompts.texts("error"), QStringList());
        QCOMPARE(bytesOf(path), reference("canzone_noinfo.qvl"));
        compareCleanWithFile(t, path, false);
        QCOMPARE(recentCaption(f, 1), path);
        QCOMPARE(bytesOf(folder->file("config.ini")), line + "\r\n");
    }
    {
        // The next run shows the path as it was and opens it.
        TestApp t(folder);
        MainWindow* f = t.w().mainWindow;
        QCOMPARE(t.prompts.texts("error"), QStringList());
        QCOMPARE(recentCaption(f, 1), path);
        controls(f).file11->trigger();
        QCOMPARE(t.prompts.texts("error"), QStringList());
        QCOMPARE(f->listDocument().entries().lines(),
                 QStringList({"DO Maggiore", "-", "LA Minore"}));
        compareCleanWithFile(t, path, true);

        // Saved in place and opened again through the dialog.
        controls(f).Edit1->setText("Canzone 2");
        controls(f).Salva1->trigger();
        QCOMPARE(textfile::readLines(path).value(0), QStringLiteral("Canzone 2"));
        t.prompts.chooseFile(path);
        controls(f).Apri1->trigger();
        QCOMPARE(controls(f).Edit1->text(), QStringLiteral("Canzone 2"));
        QCOMPARE(bytesOf(folder->file("config.ini")), line + "\r\n");
    }
}

void TestDocuments::unencodableTitleRefused()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString path = t.folder->file("liste/Canzone.qvl");
    writeBytes(path, reference("canzone.qvl"));
    f->documents().loadListFile(path);
    controls(f).Edit1->setText(QStringLiteral("Canzone Ω"));
    controls(f).Salva1->trigger();
    const QStringList errors = t.prompts.texts("error");
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(QStringLiteral("Ω")), qPrintable(errors[0]));
    QCOMPARE(bytesOf(path), reference("canzone.qvl"));
    QVERIFY(f->listDocument().state().listModified);
}

// A user's session: make a list, save it with Ctrl+S, start a new one, open the
// saved list from the recent files, check it and save it again unchanged.
void TestDocuments::userSavesAndReopens()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    t.app->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    controls(f).Edit1->selectAll();
    QTest::keyClicks(controls(f).Edit1, "Canzone");
    fill(f, CanzoneEntries);
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");

    const QString path = t.folder->file("liste/Canzone.qvl");
    t.prompts.chooseFile(t.folder->file("liste/Canzone"));
    QTest::keyClick(f, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(bytesOf(path), reference("canzone_noinfo.qvl"));
    QCOMPARE(f->windowTitle(), Caption + "Canzone.qvl");

    QTest::keyClick(f, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f->listDocument().entries().count(), 0);
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");

    QCOMPARE(controls(f).file11->text(), path);
    controls(f).file11->trigger();
    QCOMPARE(f->listDocument().entries().lines(), QStringList({"DO Maggiore", "-", "LA Minore"}));
    QCOMPARE(pictures(f, 3), QStringList({"do.gif", "", "la_min.gif"}));
    QCOMPARE(controls(f).Edit1->text(), QStringLiteral("Canzone"));
    QTest::mouseClick(controls(f).RxSpeedButton4, Qt::LeftButton);
    QCOMPARE(bytesOf(path), reference("canzone_noinfo.qvl"));
    QCOMPARE(t.prompts.texts("error"), QStringList());
    QCOMPARE(t.prompts.texts("save").size(), 1);

    // "File recenti..." pops the menu up at the pointer when the store has entries.
    controls(f).Filerecenti1->trigger();
    QTRY_VERIFY(controls(f).recenti->isVisible());
    const QString shot = qEnvironmentVariable("CORVALTO_SCREENSHOT_DIR");
    if (!shot.isEmpty()) {
        f->grab().save(shot + "/documents-reopened.png");
        controls(f).recenti->grab().save(shot + "/documents-recenti.png");
    }
    controls(f).recenti->close();
}

QTEST_MAIN(TestDocuments)
#include "test_documents.moc"
