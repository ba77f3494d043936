#include "bench.h"

#include "app/main_window.h"
#include "chords/audio_output.h"
#include "chords/strum_controller.h"
#include "chords/strum_synth.h"
#include "chords/voicing_table.h"
#include "support/main_window_controls.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/radio_group.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <memory>

// Strums: the synthesis of one strum (2.5 s at 44.1 kHz) for every voicing, target under
// 5 ms; and the time from a press on the fingering picture to the samples handed to the
// output, target under 30 ms.
//
//   corvalto-bench strum [--wav FILE [--picture do.gif]]
//
// writes the strum of a picture as a 16-bit mono WAV file, to listen to.
namespace {

constexpr int Rate = 44100;

QString argumentAfter(const QString& option, const QString& fallback = QString())
{
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(option);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

void appendLe(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWav(const QString& path, const std::vector<float>& samples)
{
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    QByteArray wav("RIFF");
    appendLe(wav, 36 + dataBytes, 4);
    wav.append("WAVEfmt ");
    appendLe(wav, 16, 4);
    appendLe(wav, 1, 2); // PCM
    appendLe(wav, 1, 2); // mono
    appendLe(wav, Rate, 4);
    appendLe(wav, Rate * 2, 4);
    appendLe(wav, 2, 2);
    appendLe(wav, 16, 2);
    wav.append("data");
    appendLe(wav, dataBytes, 4);
    for (float s : samples)
        appendLe(wav, static_cast<uint16_t>(static_cast<int16_t>(std::lround(s * 32767.0f))), 2);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

void synthesisBench()
{
    std::vector<double> times;
    double peak = 0.0;
    for (int round = 0; round < 3; ++round) {
        for (const chords::Voicing& voicing : chords::voicingTable()) {
            QElapsedTimer timer;
            timer.start();
            const chords::Strum strum = chords::renderStrum(chords::fretsOf(voicing), Rate);
            times.push_back(bench::msSince(timer));
            for (float s : strum.samples)
                peak = std::max(peak, static_cast<double>(std::abs(s)));
        }
    }
    // The worst run is the machine's doing (a preempted thread); the 95th percentile is
    // what a user meets.
    std::sort(times.begin(), times.end());
    const double med = bench::median(times);
    const double p95 = times[times.size() * 95 / 100];
    std::cout << std::fixed << std::setprecision(2) << "synthesis of one strum (2.5 s, 44.1 kHz), "
              << times.size() << " strums: median " << med << " ms, 95th percentile " << p95
              << " ms, worst " << times.back() << " ms   <= 5 ms  "
              << (p95 <= 5.0 ? "met" : "MISSED") << "\n"
              << "loudest sample of all strums: " << peak << " of full scale\n";
}

// Stands for the device when the machine has none: takes the samples and notes the time.
class TimingOutput : public AudioOutput
{
public:
    explicit TimingOutput(QElapsedTimer& clock, std::vector<double>& handed)
        : m_clock(clock), m_handed(handed)
    {
    }
    int sampleRate() const override { return Rate; }
    bool play(const std::vector<float>& samples) override
    {
        m_handed.push_back(bench::msSince(m_clock));
        return !samples.empty();
    }
    long long framesTaken() const override { return 0; }

private:
    QElapsedTimer& m_clock;
    std::vector<double>& m_handed;
};

// A press on the picture as the window system delivers it, then the event loop's turn.
void pressPicture(MainWindow* f)
{
    const MainWindowControls ui = controls(f);
    const QPointF at(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, ui.gif->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ui.gif, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, ui.gif->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(ui.gif, &release);
    QApplication::processEvents();
}

// The longest the event loop went without running a 5 ms timer until `ms` after `since`.
double longestEventGap(const QElapsedTimer& since, double ms)
{
    double longest = 0;
    QElapsedTimer gap;
    gap.start();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, bench::msSince(gap));
        gap.restart();
    });
    tick.start(5);
    while (bench::msSince(since) < ms)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return longest;
}

void clickBench()
{
    bench::Program program;
    program.app->show();
    QApplication::processEvents();
    MainWindow* f = program.ctx.windows.mainWindow;
    const MainWindowControls ui = controls(f);
    ui.note->button(0)->click();
    ui.toni->button(0)->click();

    QElapsedTimer idle;
    idle.start();
    const double idleGap = longestEventGap(idle, 3000);

    // The first press loads the audio module and asks for the default device.
    StrumPlayer& player = f->strum().player();
    QElapsedTimer clock;
    clock.start();
    pressPicture(f);
    const double first = bench::msSince(clock);
    // The device opens on a thread of its own; meanwhile the window must keep answering:
    // the longest the event loop goes without running a 5 ms timer, over 3 s. The same
    // over 3 s with nothing happening first tells what the machine's load alone costs.
    const double longestGap = longestEventGap(clock, 3000);
    const bool device = player.hasDevice();
    const bool gaveUp = player.device() == StrumPlayer::Device::GaveUp;
    std::vector<double> presses;
    std::vector<double> firstFrames;
    for (int i = 0; i < 20 && device; ++i) {
        clock.restart();
        pressPicture(f);
        presses.push_back(bench::msSince(clock));
        while (player.output()->framesTaken() == 0 && bench::msSince(clock) < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        firstFrames.push_back(bench::msSince(clock));
        QThread::msleep(100);
    }

    std::vector<double> handed;
    player.setOutputFactory([&] { return std::make_unique<TimingOutput>(clock, handed); });
    pressPicture(f);
    while (player.device() == StrumPlayer::Device::Opening)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    handed.clear();
    for (int i = 0; i < 20; ++i) {
        clock.restart();
        pressPicture(f);
    }

    std::cout << std::fixed << std::setprecision(2) << "first press (loads the audio module, "
              << (device ? "opens the default device" : "finds no audio device") << "): " << first
              << " ms\n"
              << "longest the window went unanswered in the 3 s after it (device "
              << (device   ? "open"
                  : gaveUp ? "given up"
                           : "absent")
              << "): " << longestGap << " ms (" << idleGap << " ms over 3 s before it)   <= 50 ms  "
              << (longestGap <= 50.0 ? "met" : "MISSED") << "\n";
    if (device) {
        std::cout << "press to the sound device started, median of " << presses.size() << ": "
                  << bench::median(presses) << " ms\n";
        const double med = bench::median(firstFrames);
        std::cout << "press to the first samples taken by the device, median of "
                  << firstFrames.size() << ": " << med << " ms   <= 30 ms  "
                  << (med <= 30.0 ? "met" : "MISSED") << "\n";
    }
    const double med = bench::median(handed);
    std::cout << "press to the samples handed to an output (no device), median of " << handed.size()
              << ": " << med << " ms   <= 30 ms  " << (med <= 30.0 ? "met" : "MISSED") << "\n";
}

void strumBench()
{
    const QString wav = argumentAfter(QStringLiteral("--wav"));
    if (!wav.isEmpty()) {
        const QString picture =
            argumentAfter(QStringLiteral("--picture"), QStringLiteral("do.gif"));
        const chords::Voicing* voicing = chords::voicingForPicture(picture.toStdString());
        if (!voicing) {
            std::cout << "no picture " << picture.toStdString() << "\n";
            return;
        }
        const bool written =
            writeWav(wav, chords::renderStrum(chords::fretsOf(*voicing), Rate).samples);
        std::cout << (written ? "wrote " : "cannot write ") << wav.toStdString() << " ("
                  << picture.toStdString() << ", " << voicing->frets << ")\n";
    }
    synthesisBench();
    clickBench();
}

CORVALTO_BENCH("strum", strumBench);

} // namespace
