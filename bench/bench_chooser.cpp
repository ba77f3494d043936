#include "bench.h"

#include "app/corvalto_app.h"
#include "app/main_window.h"
#include "chordlist/chord_list_model.h"
#include "core/app_context.h"
#include "support/main_window_controls.h"
#include "support/scripted_prompts.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/radio_group.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <iostream>

namespace {

// Picks chords and adds them through the main window's real handlers, on the
// built program folder with its pictures.
void chooserBench()
{
    bench::Program program;
    program.app->show();
    QApplication::processEvents();
    MainWindow* f = program.app->windows().mainWindow;
    const MainWindowControls ui = controls(f);

    // A pick: a different chord type while a root is selected, so that the
    // name, the pending picture and the picture view all change; the window is
    // brought up to date before the clock stops, as the event loop does.
    ui.note->button(0)->click();
    std::vector<double> picks;
    int missing = 0;
    for (int i = 0; i < 12 * 12 * 4; ++i) {
        const int root = (i / 12) % 12;
        const int type = i % 12;
        if (type == 0)
            ui.note->button(root)->click();
        QElapsedTimer timer;
        timer.start();
        ui.toni->button(type)->click();
        QApplication::processEvents();
        picks.push_back(bench::msSince(timer));
        if (!ui.gif->hasPicture())
            ++missing;
    }

    // 300 adds of the chord on display, one by one, five times over: once the
    // handlers alone, once with the window brought up to date after each add,
    // as the event loop does after a click (one flush of every dirty widget).
    std::vector<double> adds;
    std::vector<double> totals;
    std::vector<double> shownAdds;
    std::vector<double> shownTotals;
    for (int round = 0; round < 10; ++round) {
        const bool shown = round % 2 == 1;
        ui.Button3->click();
        ui.note->button(round % 12)->click();
        ui.toni->button((round + 1) % 12)->click();
        QApplication::processEvents();
        double total = 0;
        for (int i = 0; i < ChordListModel::Capacity; ++i) {
            QElapsedTimer timer;
            timer.start();
            ui.Button1->click();
            if (shown)
                QApplication::processEvents();
            const double ms = bench::msSince(timer);
            (shown ? shownAdds : adds).push_back(ms);
            total += ms;
        }
        (shown ? shownTotals : totals).push_back(total);
        QApplication::processEvents();
    }

    std::cout << "pick (name, picture loaded and shown): median " << bench::median(picks)
              << " ms over " << picks.size() << " picks (target < 2 ms)" << std::endl;
    std::cout << "add, handlers: median " << bench::median(adds) << " ms per add; 300 adds: median "
              << bench::median(totals) << " ms total over " << totals.size()
              << " rounds (target < 100 ms)" << std::endl;
    std::cout << "add, window updated after each: median " << bench::median(shownAdds)
              << " ms per add; 300 adds: median " << bench::median(shownTotals) << " ms total over "
              << shownTotals.size() << " rounds (target < 150 ms)" << std::endl;
    if (missing > 0 || f->listDocument().entries().count() != ChordListModel::Capacity)
        std::cout << "warning: " << missing << " picks without picture, "
                  << f->listDocument().entries().count() << " entries, "
                  << program.prompts.calls().size() << " messages" << std::endl;
}

} // namespace

CORVALTO_BENCH("chooser: pick a chord, add 300 entries", chooserBench);
