// Hearing the chord on display: the strum's samples, and the main window with no sound
// device.

#include "chords/audio_output.h"
#include "chords/chord_catalogue.h"
#include "chords/strum_controller.h"
#include "chords/strum_synth.h"
#include "chords/voicing_table.h"
#include "support/window_driver.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>

using namespace driver;

namespace {

constexpr int Rate = 44100;

// Frequency of the strongest periodicity between 60 and 1100 Hz: the lag with the highest
// autocorrelation over `length` samples from `from`, refined by a parabola through its
// neighbours. Scaled by the window's energy alone, so that the string's decay makes the
// true period beat its multiples.
double fundamental(const std::vector<float>& x, int from, int length)
{
    const int minLag = Rate / 1100;
    const int maxLag = Rate / 60;
    std::vector<double> r(maxLag + 2, 0.0);
    for (int lag = minLag - 1; lag <= maxLag + 1; ++lag) {
        double xy = 0, xx = 0;
        for (int n = from; n < from + length; ++n) {
            xy += double(x[n]) * x[n + lag];
            xx += double(x[n]) * x[n];
        }
        r[lag] = xx > 0 ? xy / xx : 0.0;
    }
    const int best = int(std::max_element(r.begin() + minLag, r.begin() + maxLag + 1) - r.begin());
    const double a = r[best - 1], b = r[best], c = r[best + 1];
    const double shift = (a - 2 * b + c) != 0 ? 0.5 * (a - c) / (a - 2 * b + c) : 0.0;
    return Rate / (best + shift);
}

double rms(const std::vector<float>& x, double fromSeconds, double toSeconds)
{
    double sum = 0;
    const int from = int(fromSeconds * Rate), to = int(toSeconds * Rate);
    for (int n = from; n < to; ++n)
        sum += double(x[n]) * x[n];
    return std::sqrt(sum / (to - from));
}

chords::Frets muteFrom(chords::Frets frets, int string)
{
    for (int s = string; s < chords::StringCount; ++s)
        frets[s] = -1;
    return frets;
}

// A sound device whose opening waits until the test lets it answer.
struct Gate
{
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    std::atomic<int> calls{0};
    std::atomic<int> played{0};
    std::atomic<bool> closed{false};

    void release()
    {
        std::lock_guard lock(mutex);
        open = true;
        opened.notify_all();
    }
};

class GatedOutput : public AudioOutput
{
public:
    explicit GatedOutput(std::shared_ptr<Gate> gate) : m_gate(std::move(gate)) {}
    ~GatedOutput() override { m_gate->closed = true; }
    int sampleRate() const override { return Rate; }
    bool play(const std::vector<float>&) override
    {
        ++m_gate->played;
        return true;
    }
    long long framesTaken() const override { return 0; }

private:
    std::shared_ptr<Gate> m_gate;
};

const QString ListenLine = QStringLiteral("\nClic sulla figura o Ctrl+R per ascoltare l'accordo");

} // namespace

class TestStrum : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyPictureCanBeStrummed();
    void strumSoundsTheVoicing_data();
    void strumSoundsTheVoicing();
    void strumWithoutDevice_data();
    void strumWithoutDevice();
    void deviceSlowToOpen_data();
    void deviceSlowToOpen();
};

void TestStrum::initTestCase()
{
    initTestEnvironment();
    // Whatever this machine has, the program finds no sound server and so no device.
    qputenv("PULSE_SERVER", "unix:/nonexistent/corvalto-test");
}

// The pictures the chooser shows and the voicings the program plays come from one table.
void TestStrum::everyPictureCanBeStrummed()
{
    const QStringList pictures = chords::allPictureFiles();
    QCOMPARE(pictures.size(), 145);
    QCOMPARE(int(chords::voicingTable().size()), 145);
    for (const QString& picture : pictures) {
        const chords::Voicing* voicing = chords::voicingForPicture(picture.toStdString());
        QVERIFY2(voicing, qPrintable(picture));
        QCOMPARE(QString::fromStdString(chords::pictureName(*voicing)), picture);
    }
    QVERIFY(!chords::voicingForPicture("virmoskc.jpg"));
}

void TestStrum::strumSoundsTheVoicing_data()
{
    QTest::addColumn<QString>("picture");
    // Hz from the low MI string to the high mi string, 0 for a muted string.
    QTest::addColumn<QList<double>>("hz");
    QTest::newRow("open DO, low MI muted")
        << "do.gif" << QList<double>{0, 130.81, 164.81, 196.00, 261.63, 329.63};
    QTest::newRow("FA barre") << "fa.gif"
                              << QList<double>{87.31, 130.81, 174.61, 220.00, 261.63, 349.23};
    QTest::newRow("DO second position")
        << "do_sec.gif" << QList<double>{0, 130.81, 196.00, 261.63, 329.63, 392.00};
    QTest::newRow("FA 6, two muted apart")
        << "fa_6.gif" << QList<double>{87.31, 0, 174.61, 220.00, 293.66, 0};
    QTest::newRow("RE, two low muted")
        << "re.gif" << QList<double>{0, 0, 146.83, 220.00, 293.66, 369.99};
    QTest::newRow("LA# 9 up the neck")
        << "la_diesis_9.gif" << QList<double>{116.54, 174.61, 207.65, 293.66, 349.23, 523.25};
}

// Each string's share is the strum up to that string less the strum below it: it must be
// silent before its onset and then sound its pitch; the muted strings add nothing.
void TestStrum::strumSoundsTheVoicing()
{
    QFETCH(QString, picture);
    QFETCH(QList<double>, hz);
    const chords::Voicing* voicing = chords::voicingForPicture(picture.toStdString());
    QVERIFY(voicing);
    const chords::Frets frets = chords::fretsOf(*voicing);
    const chords::Strum strum = chords::renderStrum(frets, Rate);
    QCOMPARE(int(strum.samples.size()), int(2.5 * Rate));

    float peak = 0;
    for (float s : strum.samples)
        peak = std::max(peak, std::abs(s));
    QVERIFY2(peak < 1.0f && peak > 0.1f, qPrintable(QString::number(peak)));

    std::vector<float> sumOfShares(strum.samples.size(), 0.0f);
    int previous = -1;
    for (int s = 0; s < chords::StringCount; ++s) {
        if (hz[s] == 0) {
            QCOMPARE(frets[s], -1);
            continue;
        }
        const std::vector<float> upTo = chords::renderStrum(muteFrom(frets, s + 1), Rate).samples;
        const std::vector<float> below = chords::renderStrum(muteFrom(frets, s), Rate).samples;
        std::vector<float> share(upTo.size());
        for (size_t n = 0; n < share.size(); ++n) {
            share[n] = upTo[n] - below[n];
            sumOfShares[n] += share[n];
        }
        const auto heard =
            std::find_if(share.begin(), share.end(), [](float v) { return std::abs(v) > 1e-4f; });
        const int onset = int(heard - share.begin());
        QCOMPARE(onset, strum.onsets[s]);
        if (previous < 0) {
            QCOMPARE(onset, 0);
        } else {
            const double gapMs = 1000.0 * (onset - strum.onsets[previous]) / (s - previous) / Rate;
            QVERIFY2(gapMs >= 25 && gapMs <= 40, qPrintable(QString::number(gapMs)));
        }
        previous = s;

        const double measured = fundamental(share, onset + Rate / 50, 4096);
        QVERIFY2(std::abs(measured - hz[s]) <= 0.01 * hz[s],
                 qPrintable(QStringLiteral("string %1: %2 Hz, expected %3 Hz")
                                .arg(s)
                                .arg(measured)
                                .arg(hz[s])));
    }
    for (size_t n = 0; n < sumOfShares.size(); ++n)
        QVERIFY(std::abs(strum.samples[n] - sumOfShares[n]) < 1e-5f);

    // A natural decay: well alive after half a second, 40 dB down after two.
    const double early = rms(strum.samples, 0.2, 0.3);
    QVERIFY(rms(strum.samples, 0.5, 0.6) > early / 30);
    QVERIFY(rms(strum.samples, 2.0, 2.1) < early / 100);
}

void TestStrum::strumWithoutDevice_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("strummed");
    QTest::addColumn<QString>("hint");
    const QString fingers = QStringLiteral("Posizione delle dita per l'accordo ");
    QTest::newRow("nothing chosen") << ""
                                    << "picture"
                                    << ""
                                    << "";
    QTest::newRow("chord, picture") << "DO"
                                    << "picture"
                                    << "do.gif" << fingers + "DO Maggiore";
    QTest::newRow("chord, frame") << "DO"
                                  << "frame"
                                  << "do.gif" << fingers + "DO Maggiore";
    QTest::newRow("second position, shortcut") << "DO second"
                                               << "shortcut"
                                               << "do_sec.gif" << fingers + "DO Maggiore";
    QTest::newRow("blank entry") << "blank"
                                 << "shortcut"
                                 << ""
                                 << "";
    QTest::newRow("blank, then a root") << "blank root"
                                        << "picture"
                                        << "" << fingers + "Spazio Vuoto";
    QTest::newRow("list entry") << "entry"
                                << "frame"
                                << "la_min.gif" << fingers + "DO Maggiore";
}

// The real audio module runs and finds no device: the strum goes nowhere, with no message
// and no window; the hint of the picture tells how to hear a chord while there is one.
void TestStrum::strumWithoutDevice()
{
    QFETCH(QString, setUp);
    QFETCH(QString, trigger);
    QFETCH(QString, strummed);
    QFETCH(QString, hint);
    auto t = startShown();
    QFile::link(QStringLiteral(CORVALTO_PROGRAM_DIR "/libcorvalto-audio.so"),
                t->folder->file(QStringLiteral("libcorvalto-audio.so")));
    MainWindow* f = t->w().mainWindow;
    if (setUp.startsWith("DO"))
        pickChord(f, 0, 0);
    if (setUp == "DO second")
        clickIndicator(controls(f).secpos);
    if (setUp.startsWith("blank"))
        clickIndicator(controls(f).spazio);
    if (setUp == "blank root")
        pickRoot(f, 3);
    if (setUp == "entry") {
        pickChord(f, 9, 9);
        clickButton(controls(f).Button1);
        pickChord(f, 0, 0);
        clickRow(f, 0);
    }
    StrumPlayer& player = f->strum().player();
    QVERIFY(!player.hasTriedDevice());

    QSignalSpy spy(&f->strum(), &StrumController::strummed);
    if (trigger == "picture")
        QTest::mouseClick(controls(f).gif, Qt::LeftButton);
    else if (trigger == "frame")
        QTest::mouseClick(controls(f).Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    else {
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f, Qt::Key_R, Qt::ControlModifier);
    }

    QCOMPARE(spy.count(), strummed.isEmpty() ? 0 : 1);
    if (!strummed.isEmpty())
        QCOMPARE(spy.at(0).at(0).toString(), strummed);
    QCOMPARE(player.hasTriedDevice(), !strummed.isEmpty());
    QVERIFY(!player.hasDevice());
    QVERIFY(t->prompts.calls().isEmpty());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(w == f || !w->isVisible() || w->windowType() == Qt::ToolTip,
                 qPrintable(w->objectName()));

    QCOMPARE(controls(f).gif->toolTip(), hint);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), controls(f).gif->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(controls(f).gif, &help);
    if (hint.isEmpty())
        QVERIFY(!QToolTip::isVisible());
    else
        QCOMPARE(QToolTip::text(), hint + (strummed.isEmpty() ? QString() : ListenLine));
    QToolTip::hideText();
}

void TestStrum::deviceSlowToOpen_data()
{
    QTest::addColumn<bool>("answersInTime");
    QTest::newRow("answers in time") << true;
    QTest::newRow("never answers") << false;
}

// The device opens on a thread of its own: the window goes on while it waits, the last
// strum asked for meanwhile plays once it is open, and one that does not answer in time is
// given up with one note; its late answer is closed unplayed.
void TestStrum::deviceSlowToOpen()
{
    QFETCH(bool, answersInTime);
    auto t = startShown();
    MainWindow* f = t->w().mainWindow;
    pickChord(f, 0, 0);
    StrumPlayer& player = f->strum().player();
    auto gate = std::make_shared<Gate>();
    player.setOutputFactory(
        [gate]() -> std::unique_ptr<AudioOutput> {
            ++gate->calls;
            std::unique_lock lock(gate->mutex);
            gate->opened.wait_for(lock, std::chrono::seconds(20), [&] { return gate->open; });
            return std::make_unique<GatedOutput>(gate);
        },
        answersInTime ? 20000 : 300);
    QSignalSpy notes(&f->strum(), &StrumController::soundUnavailable);

    f->strum().strum();
    QCOMPARE(player.device(), StrumPlayer::Device::Opening);
    QTRY_COMPARE(gate->calls.load(), 1);
    f->strum().strum();
    if (answersInTime) {
        gate->release();
        QTRY_COMPARE(player.device(), StrumPlayer::Device::Open);
        QCOMPARE(gate->played.load(), 1);
        QCOMPARE(notes.count(), 0);
        f->strum().strum();
        QCOMPARE(gate->played.load(), 2);
    } else {
        QTRY_COMPARE(notes.count(), 1);
        QCOMPARE(player.device(), StrumPlayer::Device::GaveUp);
        QCOMPARE(notes.at(0).at(0).toString(),
                 QStringLiteral("Nessun suono: il dispositivo audio non risponde."));
        QCOMPARE(QToolTip::text(), notes.at(0).at(0).toString());
        f->strum().strum();
        gate->release();
        QTRY_VERIFY(gate->closed.load());
        QCOMPARE(gate->played.load(), 0);
        QCOMPARE(notes.count(), 1);
        QVERIFY(!player.hasDevice());
    }
    QCOMPARE(gate->calls.load(), 1);
    QVERIFY(t->prompts.calls().isEmpty());
    QToolTip::hideText();
}

QTEST_MAIN(TestStrum)
#include "test_strum.moc"
