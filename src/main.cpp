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

int main(int argc, char* argv[])
{
    // The command line is read before the toolkit starts: its errors, --help and
    // --version need no display. A list named on it is relative to the folder
    // the program was started in, not to the one the layout makes current.
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    const CommandLine line = CommandLine::parse(arguments, QDir::currentPath());
    if (line.action != CommandLine::Action::Run) {
        const bool refused = line.action == CommandLine::Action::Refuse;
        std::fputs(line.text.toLocal8Bit().constData(), refused ? stderr : stdout);
        return refused ? 1 : 0;
    }

    ProgramLayout::ignoreRelativeXdgPaths();

    // The toolkit reads its own options only before a "--".
    int toolkitArgc = line.toolkitArgumentCount;
    GuardedApplication app(toolkitArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvalto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.virmosk.Corvalto"));

    // The platform's own dialog texts in Italian, whatever the system locale.
    QTranslator qtItalian;
    if (qtItalian.load(QStringLiteral("qtbase_it"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtItalian);
    CorvaltoApp::installFonts();

    ProgramLayout layout = ProgramLayout::detect(QCoreApplication::applicationDirPath());
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
    FirstPaintProbe::installIfRequested(corvalto.mainWindow());
    corvalto.show();
    if (!layout.notice().isEmpty())
        QTimer::singleShot(0, &corvalto, [&prompts, &corvalto, &layout] {
            prompts.information(corvalto.mainWindow(), layout.notice());
        });
    if (!line.listPath.isEmpty())
        QTimer::singleShot(0, &corvalto,
                           [&corvalto, &line] { corvalto.openListFile(line.listPath); });
    const int status = app.exec();
    app.setContext(nullptr);
    return status;
}
