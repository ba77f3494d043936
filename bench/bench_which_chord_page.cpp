#include "bench.h"

#include "chords/fingering.h"
#include "chords/fingerings_window.h"
#include "chords/fretboard_widget.h"
#include "chords/which_chord_page.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <iomanip>
#include <iostream>

// The page "Che accordo è?" of Diteggiature: a shape put down, named and the page
// redrawn; naming alone is measured by which-chord.
//
//   corvalto-bench which-chord-page [--screenshots DIR]
//
// with --screenshots saves the window on the page for x 3 2 0 1 0, 0 2 2 1 0 0 and
// x x 2 2 2 0 as PNG files in DIR, each put down with the keyboard.
namespace {

void waitShown(QWidget* window)
{
    QElapsedTimer limit;
    limit.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           limit.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

void press(QWidget* widget, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

// From open strings, the low MI string first, as a keyboard user does.
void typeShape(FretboardWidget* board, const chords::Frets& frets)
{
    for (int s = 0; s < chords::StringCount; ++s)
        press(board, Qt::Key_Down);
    for (int s = 0; s < chords::StringCount; ++s) {
        press(board, Qt::Key_Home);
        if (frets[s] < 0)
            press(board, Qt::Key_X);
        for (int f = 0; f < frets[s]; ++f)
            press(board, Qt::Key_Right);
        if (frets[s] > 0)
            press(board, Qt::Key_Space);
        press(board, Qt::Key_Up);
    }
}

int whichChordPageBench(const QStringList& args)
{
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    bench::Program program;
    program.app->show();
    program.app->openFingerings();
    FingeringsWindow* window = program.app->fingeringsWindow();
    auto* page = window->findChild<WhichChordPage*>();
    window->findChild<QTabWidget*>(QStringLiteral("pagine"))->setCurrentWidget(page);
    waitShown(window);
    auto* board = page->findChild<FretboardWidget*>();
    board->setFocus();

    // One finger put down with the keyboard; the clock stops once the names are listed
    // and the page is drawn.
    const std::vector<std::string> shapes = {"x32010", "022100", "xx2220",
                                             "133211", "x35343", "x46654"};
    std::vector<double> samples;
    for (int run = 0; run < 50; ++run) {
        for (const std::string& text : shapes) {
            chords::Frets frets = *chords::parseFrets(text);
            // All but the low MI string, which the key press under the clock sets.
            const int last = frets[0];
            frets[0] = last < 0 ? 0 : -1;
            page->setFrets(frets);
            QApplication::processEvents();
            for (int s = 0; s < chords::StringCount; ++s)
                press(board, Qt::Key_Down);
            press(board, Qt::Key_Home);
            for (int f = 0; f < last; ++f)
                press(board, Qt::Key_Right);
            QElapsedTimer timer;
            timer.start();
            press(board, last < 0 ? Qt::Key_X : Qt::Key_Space);
            window->repaint();
            samples.push_back(bench::msSince(timer));
            if (page->frets() != *chords::parseFrets(text)) {
                std::cerr << "the keys did not put down " << text << '\n';
                return 1;
            }
        }
    }
    std::cout << std::fixed << std::setprecision(2)
              << "Che accordo è?: a finger put down, the shape named and the page drawn, median "
              << bench::median(samples) << " ms, slowest "
              << *std::max_element(samples.begin(), samples.end()) << " ms\n";

    const qsizetype at = args.indexOf(QStringLiteral("--screenshots"));
    if (at >= 0 && at + 1 < args.size()) {
        const QDir dir(args[at + 1]);
        bool saved = true;
        for (const char* text : {"x32010", "022100", "xx2220"}) {
            page->setFrets({0, 0, 0, 0, 0, 0});
            typeShape(board, *chords::parseFrets(text));
            QApplication::processEvents();
            const QString name = QStringLiteral("che_accordo_%1.png").arg(QLatin1String(text));
            saved = window->grab().save(dir.filePath(name)) && saved;
            std::cout << text << ": " << qPrintable(page->chordNames().join(QStringLiteral(", ")))
                      << '\n';
        }
        if (!saved) {
            std::cerr << "cannot write the screenshots in " << qPrintable(dir.path()) << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace

CORVALTO_BENCH("which-chord-page", bench::Command(whichChordPageBench));
