#include "app/command_line.h"
#include "core/program_layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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
    const ProgramLayout layout = ProgramLayout::resolve(t(exe), {t("cfg"), t("doc/")}, writable);
    QCOMPARE(layout.kind() == ProgramLayout::Kind::Installed, installed);
    QCOMPARE(layout.resourceDir(), t(resources));
    QCOMPARE(layout.configFile(), t(config));
    QCOMPARE(layout.dataDir(), t(data));
    QCOMPARE(layout.usesUserFolders(), config.startsWith("cfg/"));
    const QString exeDir = QDir::cleanPath(t(exe)) + '/';
    QCOMPARE(layout.moduleDir(),
             installed ? QDir::cleanPath(exeDir + "../lib/corvalto") + '/' : exeDir);
}

void TestProgramLayout::prepareMakesUserFolders_data()
{
    QTest::addColumn<QByteArray>("config"); // "-": no config.ini yet
    QTest::addColumn<bool>("configUnderAFile");
    QTest::addColumn<bool>("ok");
    QTest::newRow("first start") << QByteArray("-") << false << true;
    QTest::newRow("config.ini kept") << QByteArray("/a.qvl\r\n") << false << true;
    QTest::newRow("configuration folder cannot be made") << QByteArray("-") << true << false;
}

void TestProgramLayout::prepareMakesUserFolders()
{
    QFETCH(QByteArray, config);
    QFETCH(bool, configUnderAFile);
    QFETCH(bool, ok);
    const QString previous = QDir::currentPath();
    if (configUnderAFile)
        QFile(t("cfg")).open(QIODevice::WriteOnly);
    const ProgramLayout layout = ProgramLayout::resolve(t("usr/bin"), {t("cfg"), t("doc")}, false);
    if (config != "-") {
        QDir().mkpath(t("cfg/corvalto"));
        QFile f(layout.configFile());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(config) == config.size());
    }

    QCOMPARE(layout.prepare(), ok);
    // A second start changes nothing.
    QCOMPARE(layout.prepare(), ok);

    const QString current = QDir::currentPath() + '/';
    QDir::setCurrent(previous);
    QCOMPARE(current, t("doc/Corvalto/"));
    QVERIFY(QFileInfo(t("doc/Corvalto/liste")).isDir());
    QVERIFY(QFileInfo(t("doc/Corvalto/riff")).isDir());
    QFile f(layout.configFile());
    QCOMPARE(f.open(QIODevice::ReadOnly), ok);
    if (ok)
        QCOMPARE(f.readAll(), config == "-" ? QByteArray() : config);
    // Nothing is written beside the installed resources.
    QVERIFY(!QFileInfo::exists(t("usr/share/corvalto/config.ini")));
}

void TestProgramLayout::userFoldersFollowEnvironment_data()
{
    QTest::addColumn<bool>("xdgConfigHome");
    QTest::addColumn<QString>("config");
    QTest::newRow("XDG_CONFIG_HOME set") << true << "xdg";
    QTest::newRow("XDG_CONFIG_HOME missing") << false << "home/.config";
}

void TestProgramLayout::userFoldersFollowEnvironment()
{
    QFETCH(bool, xdgConfigHome);
    QFETCH(QString, config);
    const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
    const bool hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("HOME", t("home").toLocal8Bit());
    if (xdgConfigHome)
        qputenv("XDG_CONFIG_HOME", t("xdg").toLocal8Bit());
    else
        qunsetenv("XDG_CONFIG_HOME");
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
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("list"); // relative to <t>
    QTest::addColumn<QString>("text"); // what the printed text starts with
    const int run = int(CommandLine::Action::Run), help = int(CommandLine::Action::ShowHelp),
              version = int(CommandLine::Action::ShowVersion),
              refuse = int(CommandLine::Action::Refuse);
    QTest::newRow("nothing") << QStringList{} << run << ""
                             << "";
    QTest::newRow("relative list")
        << QStringList{"liste/../canzone.qvl"} << run << "start/canzone.qvl"
        << "";
    QTest::newRow("absolute list") << QStringList{"<t>/a b.qvl"} << run << "a b.qvl"
                                   << "";
    QTest::newRow("--help") << QStringList{"--help"} << help << ""
                            << "Uso: corvalto [opzioni] [lista]";
    QTest::newRow("-h wins over a list") << QStringList{"x.qvl", "-h"} << help << ""
                                         << "Uso:";
    QTest::newRow("--version") << QStringList{"--version"} << version << ""
                               << "Corvalto 3.0\n";
    QTest::newRow("two lists") << QStringList{"a.qvl", "b.qvl"} << refuse << ""
                               << "corvalto: si apre una lista alla volta.";
    QTest::newRow("unknown option") << QStringList{"--colore"} << refuse << ""
                                    << "corvalto: opzione sconosciuta \"colore\".";
}

void TestProgramLayout::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, list);
    QFETCH(QString, text);
    const QStringList args =
        QStringList{"corvalto"} + arguments.replaceInStrings("<t>", m_dir->path());
    const CommandLine line = CommandLine::parse(args, t("start"));
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.listPath, list.isEmpty() ? QString() : t(list));
    QCOMPARE(line.text.left(text.size()), text);
}

QTEST_GUILESS_MAIN(TestProgramLayout)
#include "test_program_layout.moc"
