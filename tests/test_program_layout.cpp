#include "app/command_line.h"
#include "core/file_reader.h"
#include "core/program_layout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

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
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("notice"); // at the first start
    QTest::newRow("first start") << QByteArray("-") << "" << true << "doc/Corvalto/"
                                 << "";
    QTest::newRow("config.ini kept") << QByteArray("/a.qvl\r\n") << "" << true << "doc/Corvalto/"
                                     << "";
    QTest::newRow("configuration folder cannot be made")
        << QByteArray("-") << "cfg" << false << "doc/Corvalto/"
        << "";
    QTest::newRow("documents folder cannot be written")
        << QByteArray("-") << "doc" << true << "data/corvalto/"
        << "Le cartelle \"liste\" e \"riff\" non si possono creare in <t>/doc/Corvalto/: liste e "
           "riff si salvano in <t>/data/corvalto/.";
    QTest::newRow("nowhere to write") << QByteArray("-") << "data doc" << false << ""
                                      << "Le cartelle \"liste\" e \"riff\" non si possono creare "
                                         "né in <t>/doc/Corvalto/ né in <t>/data/corvalto/.";
}

void TestProgramLayout::prepareMakesUserFolders()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, underAFile);
    QFETCH(bool, ok);
    QFETCH(QString, data);
    QFETCH(QString, notice);
    const QString previous = QDir::currentPath();
    for (const QString& file : underAFile.split(' ', Qt::SkipEmptyParts))
        QFile(t(file)).open(QIODevice::WriteOnly);
    const ProgramLayout::UserFolders user{t("cfg"), t("doc"), t("cache"), t("data")};
    ProgramLayout layout = ProgramLayout::resolve(t("usr/bin"), user, false);
    if (config != "-") {
        QDir().mkpath(t("cfg/corvalto"));
        QFile f(layout.configFile());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(config) == config.size());
    }

    QCOMPARE(layout.prepare(), ok);
    QCOMPARE(layout.notice(), notice.replace("<t>", m_dir->path()));
    // A second start changes nothing and tells nothing again.
    ProgramLayout again = ProgramLayout::resolve(t("usr/bin"), user, false);
    QCOMPARE(again.prepare(), ok);
    QCOMPARE(again.notice(), ok ? QString() : notice);

    const QString current = QDir::currentPath() + '/';
    QDir::setCurrent(previous);
    if (!data.isEmpty()) {
        QCOMPARE(layout.dataDir(), t(data));
        QCOMPARE(current, t(data));
        QVERIFY(QFileInfo(t(data + "liste")).isDir());
        QVERIFY(QFileInfo(t(data + "riff")).isDir());
    }
    QFile f(layout.configFile());
    QCOMPARE(f.open(QIODevice::ReadOnly), underAFile != "cfg");
    if (f.isOpen())
        QCOMPARE(f.readAll(), config == "-" ? QByteArray() : config);
    // Nothing is written beside the installed resources.
    QVERIFY(!QFileInfo::exists(t("usr/share/corvalto/config.ini")));
}

void TestProgramLayout::userFoldersFollowEnvironment_data()
{
    QTest::addColumn<QByteArray>("xdg"); // XDG_*_HOME and XDG_DATA_DIRS; "-": not set
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("cache");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QByteArray>("dataDirs"); // what is left of XDG_DATA_DIRS
    QTest::newRow("set") << QByteArray("<t>/x") << "x-config"
                         << "x-cache"
                         << "x-data" << QByteArray("<t>/x-data-dirs");
    QTest::newRow("missing") << QByteArray("-") << "home/.config"
                             << "home/.cache"
                             << "home/.local/share" << QByteArray();
    // Relative paths are to be ignored: they would name other folders once the
    // working directory changes.
    QTest::newRow("relative") << QByteArray("x") << "home/.config"
                              << "home/.cache"
                              << "home/.local/share" << QByteArray("/usr/share");
}

void TestProgramLayout::userFoldersFollowEnvironment()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, config);
    QFETCH(QString, cache);
    QFETCH(QString, data);
    QFETCH(QByteArray, dataDirs);
    const QByteArrayList names{"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                               "XDG_DATA_DIRS"};
    QList<std::optional<QByteArray>> saved;
    for (const QByteArray& name : names)
        saved << (qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    xdg.replace("<t>", QFile::encodeName(m_dir->path()));
    qputenv("HOME", t("home").toLocal8Bit());
    for (const char* name : {"CONFIG", "CACHE", "DATA"}) {
        const QByteArray variable = QByteArray("XDG_") + name + "_HOME";
        if (xdg == "-")
            qunsetenv(variable);
        else
            qputenv(variable, xdg + '-' + QByteArray(name).toLower());
    }
    if (xdg == "-")
        qunsetenv("XDG_DATA_DIRS");
    else
        qputenv("XDG_DATA_DIRS", xdg + "-data-dirs:/usr/share");
    ProgramLayout::ignoreRelativeXdgPaths();
    const ProgramLayout::UserFolders user = ProgramLayout::userFolders();
    const QByteArray leftDataDirs = qgetenv("XDG_DATA_DIRS");
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (saved[i])
            qputenv(names[i], *saved[i]);
        else
            qunsetenv(names[i]);
    }

    QCOMPARE(user.config, t(config));
    QCOMPARE(user.cache, t(cache));
    QCOMPARE(user.data, t(data));
    QCOMPARE(leftDataDirs.split(':').first(),
             dataDirs.replace("<t>", QFile::encodeName(m_dir->path())));
    // Without a user-dirs.dirs the documents folder is ~/Documents.
    QCOMPARE(user.documents, t("home/Documents"));
}

void TestProgramLayout::commandLine_data()
{
    QTest::addColumn<QByteArrayList>(
        "arguments"); // "<t>": the scratch folder, "<fd>": an open file
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("list"); // as the arguments
    QTest::addColumn<QString>("text"); // what the printed text starts with
    QTest::addColumn<int>("toolkitArguments");
    QTest::addColumn<bool>("recorded"); // among the recent files once opened
    using L = QByteArrayList;
    const int run = int(CommandLine::Action::Run), help = int(CommandLine::Action::ShowHelp),
              version = int(CommandLine::Action::ShowVersion),
              refuse = int(CommandLine::Action::Refuse);
    QTest::newRow("nothing") << L{} << run << ""
                             << "" << 1 << false;
    QTest::newRow("relative list") << L{"liste/../a b.qvl"} << run << "<t>/start/a b.qvl"
                                   << "" << 2 << true;
    QTest::newRow("absolute list") << L{"<t>/start/a b.qvl"} << run << "<t>/start/a b.qvl"
                                   << "" << 2 << true;
    QTest::newRow("--help") << L{"--help"} << help << ""
                            << "Uso: corvalto [opzioni] [--] [lista]" << 2 << false;
    QTest::newRow("-h wins over a list") << L{"x.qvl", "-h"} << help << ""
                                         << "Uso:" << 3 << false;
    QTest::newRow("--version") << L{"--version"} << version << ""
                               << "Corvalto 3.0\n"
                               << 2 << false;
    QTest::newRow("two lists") << L{"a.qvl", "b.qvl"} << refuse << ""
                               << "corvalto: si apre una lista alla volta." << 0 << false;
    QTest::newRow("unknown option") << L{"--colore", "-h"} << help << ""
                                    << "Uso:" << 3 << false;
    QTest::newRow("unknown option, no help") << L{"--colore"} << refuse << ""
                                             << "corvalto: opzione sconosciuta \"--colore\".\n"
                                             << 0 << false;
    QTest::newRow("one dash: not -d -a -s -h")
        << L{"-dash.qvl"} << refuse << ""
        << "corvalto: opzione sconosciuta \"-dash.qvl\"; una lista il cui nome comincia con \"-\" "
           "si apre con \"corvalto -- -dash.qvl\"."
        << 0 << false;
    QTest::newRow("after --, a name") << L{"--", "-dash.qvl"} << run << "<t>/start/-dash.qvl"
                                      << "" << 1 << false;
    QTest::newRow("after --, -h too") << L{"--", "-h"} << run << "<t>/start/-h"
                                      << "" << 1 << false;
    QTest::newRow("a lone - is a name") << L{"-"} << run << "<t>/start/-"
                                        << "" << 2 << false;
    QTest::newRow("the toolkit's options pass")
        << L{"-platform", "xcb", "--style=Fusion", "-reverse", "-qwindowtitle", "-h.qvl"} << run
        << ""
        << "" << 7 << false;
    QTest::newRow("UTF-8 name") << L{"città.qvl"} << run << "<t>/start/città.qvl"
                                << "" << 2 << false;
    QTest::newRow("name not in UTF-8")
        << L{"<t>/\xe9.qvl"} << refuse << ""
        << "corvalto: il nome \"<t>/\\xe9.qvl\" non è in UTF-8" << 0 << false;
    // Files the process has open: the same paths name others in the next run.
    QTest::newRow("/proc/self/fd") << L{"/proc/self/fd/<fd>"} << run << "/proc/self/fd/<fd>"
                                   << "" << 2 << false;
    QTest::newRow("/dev/fd") << L{"/dev/fd/<fd>"} << run << "/dev/fd/<fd>"
                             << "" << 2 << false;
}

void TestProgramLayout::commandLine()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(int, action);
    QFETCH(QString, list);
    QFETCH(QString, text);
    QFETCH(int, toolkitArguments);
    QFETCH(bool, recorded);
    QDir().mkpath(t("start"));
    QFile open(t("start/a b.qvl"));
    QVERIFY(open.open(QIODevice::WriteOnly));
    const QByteArray fd = QByteArray::number(open.handle());
    QByteArrayList args{"corvalto"};
    for (QByteArray a : arguments)
        args << a.replace("<t>", QFile::encodeName(m_dir->path())).replace("<fd>", fd);
    list.replace("<t>", m_dir->path()).replace("<fd>", fd);
    text.replace("<t>", m_dir->path());

    const CommandLine line = CommandLine::parse(args, t("start"));
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.listPath, list);
    QCOMPARE(line.text.left(text.size()), text);
    QCOMPARE(line.toolkitArgumentCount, toolkitArguments);
    QCOMPARE(filereader::isLastingFile(line.listPath), recorded);
}

// What the build lays out may be shared read-only by other users, whatever the
// umask it was built with; liste/ and riff/ hold the user's own files.
void TestProgramLayout::programFolderReadableByAll()
{
    const QString root = QStringLiteral(CORVALTO_PROGRAM_DIR);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList wrong;
    int checked = 0;
    for (QString path = root; !path.isEmpty(); path = it.hasNext() ? it.next() : QString()) {
        const QString relative = QDir(root).relativeFilePath(path);
        if (relative.startsWith("liste/") || relative.startsWith("riff/"))
            continue;
        struct stat st = {};
        QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0);
        const bool runnable = S_ISDIR(st.st_mode) || relative == "corvalto" || path.endsWith(".so");
        if ((st.st_mode & 07777) != (runnable ? 0755u : 0644u))
            wrong << QString::number(st.st_mode & 07777, 8) + ' ' + relative;
        ++checked;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    QVERIFY(checked > 150);
}

QTEST_GUILESS_MAIN(TestProgramLayout)
#include "test_program_layout.moc"
