#pragma once

#include "chords/strum_synth.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class AudioOutput;

// Plays strums on the default sound device. Nothing audio-related exists until the first
// strum: then the audio module is loaded and the device opened, once per run, on a thread
// of its own, so that a sound server that never answers cannot hold up the window. The
// strums asked for meanwhile wait; the last one plays once the device is open. A machine
// without a device or without the module plays nothing and says nothing; an opening that
// takes longer than the time allowed is given up, and said so once.
class StrumPlayer
{
    Q_DISABLE_COPY_MOVE(StrumPlayer)

public:
    // Runs on the opening thread; may block for as long as the device likes.
    using OutputFactory = std::function<std::unique_ptr<AudioOutput>()>;
    enum class Device { NotTried, Opening, Open, None, GaveUp };
    using Pitches = std::array<int, chords::StringCount>;
    static constexpr int DefaultWaitMs = 2000;

    // The audio module is looked for in these folders, in order.
    explicit StrumPlayer(QStringList moduleFolders);
    ~StrumPlayer();

    // Replaces the audio module as the source of the output (tests, benchmarks), and how
    // long its opening may take.
    void setOutputFactory(OutputFactory factory, int waitMs = DefaultWaitMs);
    // Runs on the window's thread when an opening is given up.
    void setGiveUpHandler(std::function<void()> handler) { m_onGiveUp = std::move(handler); }

    // Renders the strum at the device's rate and starts it, cutting off the one still
    // sounding, or keeps it for when the device is open; false when there is no device to
    // play it on.
    bool play(const chords::Frets& frets);
    // The same for the MIDI pitches of the strings (-1 muted), for any tuning and capo.
    bool playPitches(const Pitches& pitches);
    Device device() const { return m_device; }
    bool hasTriedDevice() const { return m_device != Device::NotTried; }
    bool hasDevice() const { return m_output != nullptr; }
    // The output once the first strum has found a device, else null.
    const AudioOutput* output() const { return m_output.get(); }

private:
    struct Opening;

    void open();
    void opened(std::unique_ptr<AudioOutput> output);
    void giveUp();
    bool start(const Pitches& pitches);

    QStringList m_moduleFolders;
    OutputFactory m_factory;
    int m_waitMs = DefaultWaitMs;
    std::function<void()> m_onGiveUp;
    Device m_device = Device::NotTried;
    std::shared_ptr<Opening> m_opening;
    std::optional<Pitches> m_waiting;
    std::unique_ptr<AudioOutput> m_output;
    // Receives the opening thread's answer and the time limit on the window's thread; what
    // is queued for it goes with it.
    QObject m_receiver;
};
