#include "app/corvalto_app.h"
#include "app/form1.h"
#include "ui/first_paint_probe.h"
#include "ui/guarded_application.h"
#include "ui/real_prompts.h"

#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);

    // The platform's own dialog texts in Italian, whatever the system locale.
    QTranslator qtItalian;
    if (qtItalian.load(QStringLiteral("qtbase_it"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtItalian);
    CorvaltoApp::installFonts();

    RealPrompts prompts;
    AppContext ctx;
    ctx.prompts = &prompts;
    ctx.programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    app.setContext(&ctx);

    CorvaltoApp corvalto(ctx);
    // For the start-up benchmark only: reports the first paint of the main window
    // and ends the program when CORVALTO_BENCH_EXIT_AFTER_PAINT=1 is set.
    FirstPaintProbe::installIfRequested(corvalto.windows().form1);
    corvalto.show();
    const int status = app.exec();
    app.setContext(nullptr);
    return status;
}
