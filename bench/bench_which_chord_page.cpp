#include "bench.h"

#include "chords/fingering.h"
#include "chords/fingerings_panel.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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

// From open strings, the low MI string first, as a keyboard user does; each key that
// changes the shape is timed until the window is drawn again.
void typeShape(QWidget* window, QWidget* neck, const chords::Frets& frets,
               std::vector<double>& samples)
{
    auto timed = [&](int key) {
        QElapsedTimer timer;
        timer.start();
        press(neck, key);
        window->repaint();
        samples.push_back(bench::msSince(timer));
    };
    for (int s = 0; s < chords::StringCount; ++s)
        press(neck, Qt::Key_Down);
    for (int s = 0; s < chords::StringCount; ++s) {
        press(neck, Qt::Key_Home);
        if (frets[s] < 0)
            timed(Qt::Key_X);
        for (int f = 0; f < frets[s]; ++f)
            press(neck, Qt::Key_Right);
        if (frets[s] > 0)
            timed(Qt::Key_Space);
        press(neck, Qt::Key_Up);
    }
}

QStringList names(const QListWidget* results)
{
    QStringList all;
    for (int row = 0; row < results->count(); ++row)
        all << results->item(row)->text();
    return all;
}

int whichChordPageBench(const QStringList& args)
{
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    bench::Program program;
    program.app->show();
    program.app->openFingerings();
    QWidget* window = program.app->fingeringsWindow()->widget();
    auto* page = window->findChild<QWidget*>(QStringLiteral("CheAccordo"));
    window->findChild<QTabWidget*>(QStringLiteral("pagine"))->setCurrentWidget(page);
    waitShown(window);
    auto* neck = page->findChild<QWidget*>(QStringLiteral("tastiera"));
    auto* openStrings = page->findChild<QPushButton*>(QStringLiteral("vuoto"));
    auto* results = page->findChild<QListWidget*>(QStringLiteral("risultati"));
    auto* shown = page->findChild<QLabel*>(QStringLiteral("diteggiatura"));

    const std::vector<std::string> shapes = {"x32010", "022100", "xx2220",
                                             "133211", "x35343", "x46654"};
    std::vector<double> samples;
    for (int run = 0; run < 20; ++run) {
        for (const std::string& text : shapes) {
            openStrings->click();
            const chords::Frets frets = *chords::parseFrets(text);
            typeShape(window, neck, frets, samples);
            if (shown->text() != QStringLiteral("Corde: ") +
                                     QString::fromStdString(chords::Fingering{frets}.fretsText())) {
                std::cerr << "the keys did not put down " << text << '\n';
                return 1;
            }
        }
    }
    std::cout << std::fixed << std::setprecision(2)
              << "Che accordo è?: a finger put down, the shape named and the window drawn, "
                 "median "
              << bench::median(samples) << " ms, slowest "
              << *std::max_element(samples.begin(), samples.end()) << " ms\n";

    const qsizetype at = args.indexOf(QStringLiteral("--screenshots"));
    if (at >= 0 && at + 1 < args.size()) {
        const QDir dir(args[at + 1]);
        bool saved = true;
        std::vector<double> ignored;
        for (const char* text : {"x32010", "022100", "xx2220"}) {
            openStrings->click();
            typeShape(window, neck, *chords::parseFrets(text), ignored);
            QApplication::processEvents();
            const QString name = QStringLiteral("che_accordo_%1.png").arg(QLatin1String(text));
            saved = window->grab().save(dir.filePath(name)) && saved;
            std::cout << text << ": " << qPrintable(names(results).join(QStringLiteral(", ")))
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
