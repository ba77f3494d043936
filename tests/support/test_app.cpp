#include "support/test_app.h"

#include "core/module_symbol.h"
#include "core/text_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace {

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir src(from);
    for (const QFileInfo& fi : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (fi.isDir())
            copyTree(fi.absoluteFilePath(), to + QLatin1Char('/') + fi.fileName());
        else
            QFile::copy(fi.absoluteFilePath(), to + QLatin1Char('/') + fi.fileName());
    }
}

} // namespace

TestProgramFolder::TestProgramFolder(Imm imm, bool withConfig) : m_previousDir(QDir::currentPath())
{
    const QString built = QStringLiteral(CORVALTO_PROGRAM_DIR) + QStringLiteral("/imm");
    if (imm == Imm::Linked)
        QFile::link(built, file(QStringLiteral("imm")));
    else
        copyTree(built, file(QStringLiteral("imm")));
    QDir(path()).mkpath(QStringLiteral("liste"));
    QDir(path()).mkpath(QStringLiteral("riff"));
    if (withConfig)
        writeConfig({});
    QDir::setCurrent(path());
}

TestProgramFolder::~TestProgramFolder()
{
    QDir::setCurrent(m_previousDir);
}

void TestProgramFolder::writeConfig(const QStringList& lines)
{
    textfile::writeLines(file(QStringLiteral("config.ini")), lines);
}

void TestProgramFolder::removeFile(const QString& relative)
{
    QFile::remove(file(relative));
}

TestApp::TestApp(TestProgramFolder::Imm imm, bool withConfig, unsigned seed)
    : folder(std::make_shared<TestProgramFolder>(imm, withConfig))
{
    start(seed);
}

TestApp::TestApp(std::shared_ptr<TestProgramFolder> f, unsigned seed) : folder(std::move(f))
{
    start(seed);
}

void TestApp::start(unsigned seed)
{
    ctx.prompts = &prompts;
    ctx.programDir = folder->path();
    ctx.seedSource = [seed] { return seed; };
    app = std::make_unique<CorvaltoApp>(ctx);
}

TestApp::~TestApp()
{
    app.reset();
}

void initTestEnvironment()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    CorvaltoApp::installFonts();
    setModuleFolder(QStringLiteral(CORVALTO_PROGRAM_DIR));
}
