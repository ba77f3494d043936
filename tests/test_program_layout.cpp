#include "app/command_line.h"
#include "core/file_reader.h"
#include "core/program_layout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

// Paths in the tables are relative to a scratch folder written "<t>".
class TestProgramLayout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void resolve_data();
    void resolve();
    void prepareMakesUserFolders_data();
    void prepareMakesUserFolders();
    void userFoldersFollowEnvironment_data();
    void userFoldersFollowEnvironment();
    void commandLine_data();
    void commandLine();
    void programFolderReadableByAll();

private:
    QString t(const QString& relative) const { return m_dir->path() + QLatin1Char('/') + relative; }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProgramLayout::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // A portable program folder and an installed tree side by side.
    for (const char* dir : {"portable/imm", "usr/bin", "usr/share/corvalto/imm", "bare"})
        QDir().mkpath(t(dir));
}

void TestProgramLayout::resolve_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("resources");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("data");
    const QString userConfig = "cfg/corvalto/config.ini", userData = "doc/Corvalto/";
    QTest::newRow("portable") << "portable" << true << false << "portable/"
                              << "portable/config.ini"
                              << "portable/";
    QTest::newRow("portable, path with dots and slash")
        << "usr/bin/../../portable/" << true << false << "portable/"
        << "portable/config.ini"
        << "portable/";
    QTest::newRow("read-only portable folder")
        << "portable" << false << false << "portable/" << userConfig << userData;
    QTest::newRow("installed") << "usr/bin" << false << true << "usr/share/corvalto/" << userConfig
                               << userData;
    QTest::newRow("installed in a writable prefix")
        << "usr/bin" << true << true << "usr/share/corvalto/" << userConfig << userData;
    // Without resources anywhere the start-up reports what is missing there.
    QTest::newRow("no resources") << "bare" << true << false << "bare/"
                                  << "bare/config.ini"
                                  << "bare/";
}

void TestProgramLayout::resolve()
{
    QFETCH(QString, exe);
    QFETCH(bool, writable);
    QFETCH(bool, installed);
    QFETCH(QString, resources);
    QFETCH(QString, config);
    QFETCH(QString, data);
    const ProgramLayout layout =
        ProgramLayout::resolve(t(exe), {t("cfg"), t("doc/"), t("cache"), t("data")}, writable);
    QCOMPARE(layout.kind() == ProgramLayout::Kind::Installed, installed);
    QCOMPARE(layout.resourceDir(), t(resources));
    QCOMPARE(layout.configFile(), t(config));
    QCOMPARE(layout.dataDir(), t(data));
    QCOMPARE(layout.usesUserFolders(), config.startsWith("cfg/"));
    const QString exeDir = QDir::cleanPath(t(exe)) + '/';
    QCOMPARE(layout.moduleDirs(),
             (QStringList{exeDir, QDir::cleanPath(exeDir + "../lib/corvalto") + '/'}));
    // What is kept only to start sooner is the user's in every layout.
    QCOMPARE(layout.cacheDir(), t("cache/corvalto/"));
}

void TestProgramLayout::prepareMakesUserFolders_data()
{
    QTest::addColumn<QByteArray>("config");  // "-": no config.ini yet
    QTest::addColumn<QString>("underAFile"); // a folder that cannot be made
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("notice"); // at the first start; then the lists are in data/
    QTest::newRow("first start") << QByteArray("-") << "" << true << "";
    QTest::newRow("config.ini kept") << QByteArray("/a.qvl\r\n") << "" << true << "";
    QTest::newRow("configuration folder cannot be made") << QByteArray("-") << "cfg" << false << "";
    QTest::newRow("documents folder cannot be written")
        << QByteArray("-") << "doc" << true
        << "Le cartelle \"liste\" e \"riff\" non si possono creare in <t>/doc/Corvalto/: liste e "
           "riff si salvano in <t>/data/corvalto/.";
}

void TestProgramLayout::prepareMakesUserFolders()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, underAFile);
    QFETCH(bool, ok);
    QFETCH(QString, notice);
    const QString previous = QDir::currentPath();
    QFile(t(underAFile)).open(QIODevice::WriteOnly);
    const ProgramLayout::UserFolders user{t("cfg"), t("doc"), t("cache"), t("data")};
    ProgramLayout layout = ProgramLayout::resolve(t("usr/bin"), user, false);
    if (config != "-") {
        QDir().mkpath(t("cfg/corvalto"));
        QFile f(layout.configFile());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(config) == config.size());
    }

    QCOMPARE(layout.prepare(), ok);
    QCOMPARE(layout.notice(), notice.replace("<t>", m_dir->path()));
    // A second start changes nothing.
    ProgramLayout again = ProgramLayout::resolve(t("usr/bin"), user, false);
    QCOMPARE(again.prepare(), ok);
    QVERIFY(again.notice().isEmpty());

    const QString current = QDir::currentPath() + '/';
    QDir::setCurrent(previous);
    const QString data = t(notice.isEmpty() ? "doc/Corvalto/" : "data/corvalto/");
    QCOMPARE(layout.dataDir(), data);
    QCOMPARE(current, data);
    QVERIFY(QFileInfo(data + "liste").isDir());
    QVERIFY(QFileInfo(data + "riff").isDir());
    QFile f(layout.configFile());
    QCOMPARE(f.open(QIODevice::ReadOnly), underAFile != "cfg");
    if (f.isOpen())
        QCOMPARE(f.readAll(), config == "-" ? QByteArray() : config);
    // Nothing is written beside the installed resources.
    QVERIFY(!QFileInfo::exists(t("usr/share/corvalto/config.ini")));
}

void TestProgramLayout::userFoldersFollowEnvironment_data()
{
    QTest::addColumn<QByteArray>("xdgConfigHome"); // "-": not set
    QTest::addColumn<QString>("config");
    QTest::newRow("XDG_CONFIG_HOME set") << QByteArray("<t>/xdg") << "xdg";
    QTest::newRow("XDG_CONFIG_HOME missing") << QByteArray("-") << "home/.config";
    QTest::newRow("XDG_CONFIG_HOME relative") << QByteArray("xdg") << "home/.config";
}

void TestProgramLayout::userFoldersFollowEnvironment()
{
    QFETCH(QByteArray, xdgConfigHome);
    QFETCH(QString, config);
    const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
    const bool hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("HOME", t("home").toLocal8Bit());
    if (xdgConfigHome != "-")
        qputenv("XDG_CONFIG_HOME", xdgConfigHome.replace("<t>", m_dir->path().toLocal8Bit()));
    else
        qunsetenv("XDG_CONFIG_HOME");
    ProgramLayout::ignoreRelativeXdgPaths();
    const ProgramLayout::UserFolders user = ProgramLayout::userFolders();
    qputenv("HOME", home);
    if (hadXdg)
        qputenv("XDG_CONFIG_HOME", xdg);
    else
        qunsetenv("XDG_CONFIG_HOME");

    QCOMPARE(user.config, t(config));
    // Without a user-dirs.dirs the documents folder is ~/Documents.
    QCOMPARE(user.documents, t("home/Documents"));
}

void TestProgramLayout::commandLine_data()
{
    QTest::addColumn<QByteArrayList>("arguments"); // "<t>" the scratch folder, "<fd>" a file open
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("list"); // as the arguments
    QTest::addColumn<QString>("text"); // what the printed text starts with
    using L = QByteArrayList;
    const int run = int(CommandLine::Action::Run), help = int(CommandLine::Action::ShowHelp),
              version = int(CommandLine::Action::ShowVersion),
              refuse = int(CommandLine::Action::Refuse);
    const QString a = "<t>/start/a b.qvl";
    QTest::newRow("nothing") << L{} << run << QString() << QString();
    QTest::newRow("relative list") << L{"liste/../a b.qvl"} << run << a << QString();
    QTest::newRow("absolute list") << L{"<t>/start/a b.qvl"} << run << a << QString();
    QTest::newRow("--help") << L{"--help"} << help << QString() << "Uso: corvalto [opzioni]";
    QTest::newRow("-h wins") << L{"x.qvl", "--colore", "-h"} << help << QString() << "Uso:";
    QTest::newRow("--version") << L{"--version"} << version << QString() << "Corvalto 3.0\n";
    QTest::newRow("two lists") << L{"a.qvl", "b.qvl"} << refuse << QString()
                               << "corvalto: si apre una lista alla volta.";
    QTest::newRow("one dash, not -d -a -s -h")
        << L{"-dash.qvl"} << refuse << QString()
        << "corvalto: opzione sconosciuta \"-dash.qvl\"; una lista il cui nome comincia con \"-\" "
           "si apre con \"corvalto -- -dash.qvl\".";
    QTest::newRow("after --") << L{"--", "-h"} << run << "<t>/start/-h" << QString();
    QTest::newRow("the toolkit's options")
        << L{"-platform", "xcb", "--style=Fusion", "-reverse", "-qwindowtitle", "-h"} << run
        << QString() << QString();
    QTest::newRow("name not in UTF-8") << L{"<t>/\xe9.qvl"} << refuse << QString()
                                       << "corvalto: il nome \"<t>/\\xe9.qvl\" non è in UTF-8";
    // A file the process has open: the same path names another in the next run.
    QTest::newRow("/proc/self/fd")
        << L{"/proc/self/fd/<fd>"} << run << "/proc/self/fd/<fd>" << QString();
}

void TestProgramLayout::commandLine()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(int, action);
    QFETCH(QString, list);
    QFETCH(QString, text);
    QDir().mkpath(t("start"));
    QFile open(t("start/a b.qvl"));
    QVERIFY(open.open(QIODevice::WriteOnly));
    const QByteArray fd = QByteArray::number(open.handle());
    QByteArrayList args{"corvalto"};
    for (QByteArray a : arguments)
        args << a.replace("<t>", QFile::encodeName(m_dir->path())).replace("<fd>", fd);

    const CommandLine line = CommandLine::parse(args, t("start"));
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.listPath, list.replace("<t>", m_dir->path()).replace("<fd>", fd));
    QCOMPARE(line.text.left(text.size()), text.replace("<t>", m_dir->path()));
    // Recorded among the recent files: the scratch list, never a file the process has open.
    QCOMPARE(filereader::isLastingFile(line.listPath), line.listPath.endsWith("a b.qvl"));
}

// What the build lays out may be shared read-only by other users, whatever the
// umask it was built with; liste/ and riff/ hold the user's own files.
void TestProgramLayout::programFolderReadableByAll()
{
    const QDir root(QStringLiteral(CORVALTO_PROGRAM_DIR));
    QDirIterator it(root.path(), QDir::AllEntries | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList wrong;
    for (QString path = root.path(); !path.isEmpty(); path = it.hasNext() ? it.next() : QString()) {
        const QString name = root.relativeFilePath(path);
        struct stat st = {};
        QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0);
        const bool runnable = S_ISDIR(st.st_mode) || name == "corvalto" || name.endsWith(".so");
        if ((st.st_mode & 07777) != (runnable ? 0755u : 0644u) && !name.startsWith("liste/") &&
            !name.startsWith("riff/"))
            wrong << QString::number(st.st_mode & 07777, 8) + ' ' + name;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
}

QTEST_GUILESS_MAIN(TestProgramLayout)
#include "test_program_layout.moc"
