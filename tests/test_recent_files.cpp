#include "chordlist/chord_list_model.h"
#include "core/text_file.h"
#include "documents/recent_files.h"
#include "support/window_driver.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray configBytes(const QStringList& paths)
{
    QByteArray out;
    for (const QString& p : paths)
        out += p.toLatin1() + "\r\n";
    return out;
}

QStringList captions(MainWindow* f)
{
    return {recentCaption(f, 1), recentCaption(f, 2), recentCaption(f, 3)};
}

// The captions of recenti for a store: items without an entry read "-".
QStringList expectedCaptions(const QStringList& store)
{
    QStringList out = store;
    while (out.size() < 3)
        out.append(QStringLiteral("-"));
    return out;
}

void fillOne(MainWindow* f)
{
    f->listDocument().entries().setPicture(f->listDocument().entries().count(),
                                           QStringLiteral("do.gif"));
    f->listDocument().entries().appendLine(QStringLiteral("DO Maggiore"));
    f->showEntryCount();
    f->documents().markModified();
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void updates_data();
    void updates();
    void examplesThroughCommands();
    void fiveLineConfig();
    void emptyStore();
    void configLines_data();
    void configLines();
    void configCannotBeWritten();
};

void TestRecentFiles::updates_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("name"); // update by name, or empty
    QTest::addColumn<int>("slot");     // update by slot when no name
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("write");
    using L = QStringList;
    QTest::newRow("save as A on an empty store") << L{} << "A" << 0 << L{"A"} << true;
    QTest::newRow("open B") << L{"A"} << "B" << 0 << L{"B", "A"} << true;
    QTest::newRow("save as C") << L{"B", "A"} << "C" << 0 << L{"C", "B", "A"} << true;
    QTest::newRow("open recent 3 (A)") << L{"C", "B", "A"} << "" << 3 << L{"A", "C", "B"} << true;
    QTest::newRow("open B again") << L{"A", "C", "B"} << "B" << 0 << L{"B", "A", "C"} << true;
    QTest::newRow("save as D") << L{"B", "A", "C"} << "D" << 0 << L{"D", "B", "A"} << true;
    QTest::newRow("open recent 1 (D)") << L{"D", "B", "A"} << "" << 1 << L{"D", "B", "A"} << false;
    QTest::newRow("entry 2 saved again: no duplicate")
        << L{"B", "A", "C"} << "A" << 0 << L{"A", "B", "C"} << true;
    QTest::newRow("open recent 2") << L{"A", "B", "C"} << "" << 2 << L{"B", "A", "C"} << true;
    QTest::newRow("path differing in case is new") << L{"/l/Canzone.qvl"} << "/l/canzone.qvl" << 0
                                                   << L{"/l/canzone.qvl", "/l/Canzone.qvl"} << true;
    QTest::newRow("the last of equal entries counts")
        << L{"A", "B", "A"} << "A" << 0 << L{"A", "A", "B"} << true;
}

void TestRecentFiles::updates()
{
    QFETCH(QStringList, before);
    QFETCH(QString, name);
    QFETCH(int, slot);
    QFETCH(QStringList, after);
    QFETCH(bool, write);
    RecentFiles store;
    store.load(before);
    bool written = true;
    if (!name.isEmpty())
        store.updateByName(name);
    else
        written = store.updateBySlot(slot);
    QCOMPARE(store.entries(), after);
    QCOMPARE(written, write);
}

// The examples, one after the other, through the real commands.
void TestRecentFiles::examplesThroughCommands()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString config = t.folder->file("config.ini");
    QMap<QString, QString> path;
    for (const char* name : {"A", "B", "C", "D"})
        path[name] = t.folder->file(QStringLiteral("liste/%1.qvl").arg(QLatin1String(name)));
    auto saveAs = [&](const char* name) {
        fillOne(f);
        t.prompts.chooseFile(path[name]);
        controls(f).Salvaconnome1->trigger();
    };
    auto open = [&](const char* name) {
        t.prompts.chooseFile(path[name]);
        controls(f).Aprilista1->trigger();
    };
    auto expect = [&](const QStringList& names) {
        QStringList store;
        for (const QString& n : names)
            store.append(path[n]);
        QCOMPARE(t.prompts.texts("error"), QStringList());
        QCOMPARE(f->documents().recentFiles().entries(), store);
        QCOMPARE(captions(f), expectedCaptions(store));
        QCOMPARE(bytesOf(config), configBytes(store));
    };

    saveAs("A");
    expect({"A"});
    QFile::copy(path["A"], path["B"]);
    open("B");
    expect({"B", "A"});
    saveAs("C");
    expect({"C", "B", "A"});
    controls(f).file31->trigger();
    QCOMPARE(f->listDocument().state().currentListFile, path["A"]);
    expect({"A", "C", "B"});
    open("B");
    expect({"B", "A", "C"});
    saveAs("D");
    expect({"D", "B", "A"});

    // Opening recent file 1 does not write config.ini.
    QFile::remove(config);
    controls(f).file11->trigger();
    QCOMPARE(t.prompts.texts("error"), QStringList());
    QCOMPARE(f->listDocument().state().currentListFile, path["D"]);
    QVERIFY(!QFileInfo::exists(config));
    QCOMPARE(f->documents().recentFiles().entries(),
             QStringList({path["D"], path["B"], path["A"]}));
}

void TestRecentFiles::fiveLineConfig()
{
    auto folder = std::make_shared<TestProgramFolder>();
    folder->writeConfig({"/l/1.qvl", "/l/2.qvl", "/l/3.qvl", "/l/4.qvl", "/l/5.qvl"});
    TestApp t(folder);
    MainWindow* f = t.w().mainWindow;
    QCOMPARE(t.prompts.texts("error"), QStringList());
    QCOMPARE(captions(f), QStringList({"/l/1.qvl", "/l/2.qvl", "/l/3.qvl"}));
    QCOMPARE(f->documents().recentFiles().count(), 3);

    const QString saved = t.folder->file("liste/nuova.qvl");
    fillOne(f);
    t.prompts.chooseFile(saved);
    controls(f).Salvaconnome1->trigger();
    QCOMPARE(bytesOf(t.folder->file("config.ini")), configBytes({saved, "/l/1.qvl", "/l/2.qvl"}));
    QCOMPARE(captions(f), QStringList({saved, "/l/1.qvl", "/l/2.qvl"}));
}

void TestRecentFiles::emptyStore()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    t.app->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QCOMPARE(captions(f), QStringList({"-", "-", "-"}));
    QVERIFY(controls(f).file11->isSeparator());
    controls(f).Filerecenti1->trigger();
    controls(f).Filerecenti2->trigger();
    QTest::qWait(50);
    QVERIFY(!controls(f).recenti->isVisible());
    // The drop-down button shows the same menu without that check.
    QCOMPARE(controls(f).freccia->menu(), controls(f).recenti);

    // Opening an empty slot does nothing.
    controls(f).file21->trigger();
    QCOMPARE(f->listDocument().state().currentListFile, QStringLiteral("Nuova lista"));
    QVERIFY(t.prompts.calls().isEmpty());

    fillOne(f);
    t.prompts.chooseFile(t.folder->file("liste/x.qvl"));
    controls(f).Salvaconnome1->trigger();
    QCOMPARE(captions(f), QStringList({t.folder->file("liste/x.qvl"), "-", "-"}));
    controls(f).Filerecenti2->trigger();
    QTRY_VERIFY(controls(f).recenti->isVisible());
    controls(f).recenti->close();
}

void TestRecentFiles::configLines_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("plain") << "/home/chitarra/liste/Canzone.qvl"
                           << QByteArray("/home/chitarra/liste/Canzone.qvl");
    QTest::newRow("western european characters")
        << QStringLiteral("/home/chitarra/più €/Canzone.qvl")
        << QByteArray("/home/chitarra/pi\xf9 \x80/Canzone.qvl");
    QTest::newRow("outside the code page")
        << QStringLiteral("/home/Łódź 日本/Canzone.qvl")
        << QByteArray("file:/home/%C5%81%C3%B3d%C5%BA%20%E6%97%A5%E6%9C%AC/Canzone.qvl");
    QTest::newRow("outside the code page, with a percent sign")
        << QStringLiteral("/home/Ω 100%/a.qvl") << QByteArray("file:/home/%CE%A9%20100%25/a.qvl");
    QTest::newRow("a plain path that looks encoded")
        << "file:liste/a%20b.qvl" << QByteArray("file:file%3Aliste/a%2520b.qvl");
    QTest::newRow("line feed") << "/home/a\nb.qvl" << QByteArray("file:/home/a%0Ab.qvl");
    QTest::newRow("carriage return and tab")
        << "/home/a\r\tb.qvl" << QByteArray("file:/home/a%0D%09b.qvl");
}

void TestRecentFiles::configLines()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, line);
    RecentFiles store;
    store.updateByName(path);
    QCOMPARE(textfile::encodeLines(store.configLines()), line + "\r\n");

    RecentFiles reread;
    reread.load(textfile::decodeLines(line + "\r\n"));
    QCOMPARE(reread.entries(), QStringList{path});
}

void TestRecentFiles::configCannotBeWritten()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    const QString config = t.folder->file("config.ini");
    QFile::remove(config);
    QDir().mkpath(config);
    const QString saved = t.folder->file("liste/x.qvl");
    fillOne(f);
    t.prompts.chooseFile(saved);
    controls(f).Salvaconnome1->trigger();

    QCOMPARE(t.prompts.texts("error"), QStringList{"Cannot create file " + config + "."});
    // The list itself was saved; the store already holds the path, the captions
    // follow at the next update that can be written.
    QVERIFY(QFileInfo::exists(saved));
    QVERIFY(!f->listDocument().state().listModified);
    QCOMPARE(f->documents().recentFiles().entries(), QStringList{saved});
    QCOMPARE(captions(f), QStringList({"-", "-", "-"}));
}

QTEST_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
