#include "bench.h"

#include "app/corvalto_app.h"
#include "app/main_window.h"
#include "chordlist/chord_list_model.h"
#include "chords/chord_catalogue.h"
#include "core/app_context.h"
#include "htmlpage/page_preview_window.h"
#include "support/main_window_controls.h"
#include "support/scripted_prompts.h"
#include "ui/widgets/browser_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <iostream>

namespace {

// "Pagina Html" of a full list (300 entries, a blank after every five chords)
// through the real button on the built program folder: the page built, written,
// and laid out with its pictures in the preview, which is what the user waits for.
void htmlPageBench()
{
    QTemporaryDir listFolder;
    bench::Program program;
    program.app->show();
    QApplication::processEvents();
    MainWindow* f = program.app->windows().mainWindow;
    const MainWindowControls ui = controls(f);

    const QStringList pictures = chords::allPictureFiles();
    for (int i = 0; f->listDocument().entries().count() < ChordListModel::Capacity; ++i) {
        const QString picture = i % 6 == 5 ? QString() : pictures.at(i % pictures.size());
        f->listDocument().entries().appendEntry(
            picture.isEmpty() ? QStringLiteral("-") : picture.chopped(4), picture);
    }
    ui.Edit1->setText(QStringLiteral("Lista piena"));
    f->listDocument().setCurrentListFile(listFolder.filePath(QStringLiteral("Piena.qvl")));
    f->listDocument().setHasFile(true);

    auto* page =
        program.app->windows().pagePreview->findChild<BrowserView*>(QStringLiteral("WebBrowser1"));
    std::vector<double> runs;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer timer;
        timer.start();
        ui.Button5->click();
        page->grab();
        runs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        program.app->windows().pagePreview->close();
        QApplication::processEvents();
    }
    std::cout << "html page, 300 entries: median " << bench::median(runs)
              << " ms from the click to the page laid out with its pictures ("
              << program.prompts.calls().size() << " messages)\n";
}

} // namespace

CORVALTO_BENCH("html_page", htmlPageBench);
