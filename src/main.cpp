#include "app/command_line.h"
#include "app/corvalto_app.h"
#include "app/main_window.h"
#include "core/module_symbol.h"
#include "core/program_layout.h"
#include "shell/first_paint_probe.h"
#include "shell/guarded_application.h"
#include "shell/real_prompts.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// --help and --version answer before the windowing system is reached, so they
// work without a display. Qt's own options (-platform ...) are only known to
// QApplication, which removes them; errors are judged after it.
bool answeredWithoutWindows(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(arguments, QDir::currentPath());
    if (line.action != CommandLine::Action::ShowHelp &&
        line.action != CommandLine::Action::ShowVersion)
        return false;
    std::fputs(line.text.toLocal8Bit().constData(), stdout);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (answeredWithoutWindows(argc, argv))
        return 0;

    GuardedApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvalto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.virmosk.Corvalto"));

    // A list named on the command line is relative to the folder the program
    // was started in, not to the one the layout makes current.
    const CommandLine line = CommandLine::parse(app.arguments(), QDir::currentPath());
    if (line.action == CommandLine::Action::Refuse) {
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return 1;
    }

    // The platform's own dialog texts in Italian, whatever the system locale.
    QTranslator qtItalian;
    if (qtItalian.load(QStringLiteral("qtbase_it"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtItalian);
    CorvaltoApp::installFonts();

    const ProgramLayout layout = ProgramLayout::detect(QCoreApplication::applicationDirPath());
    layout.prepare();

    RealPrompts prompts;
    AppContext ctx;
    ctx.prompts = &prompts;
    ctx.programDir = layout.resourceDir();
    ctx.configFile = layout.configFile();
    setModuleFolder(layout.moduleDir());
    app.setContext(&ctx);

    CorvaltoApp corvalto(ctx);
    // For the start-up benchmark only: reports the first paint of the main window
    // and ends the program when CORVALTO_BENCH_EXIT_AFTER_PAINT=1 is set.
    FirstPaintProbe::installIfRequested(corvalto.windows().mainWindow);
    corvalto.show();
    if (!line.listPath.isEmpty())
        QTimer::singleShot(0, &corvalto,
                           [&corvalto, &line] { corvalto.openListFile(line.listPath); });
    const int status = app.exec();
    app.setContext(nullptr);
    return status;
}
