#pragma once

#include "chords/strum_synth.h"

#include <QStringList>

#include <functional>
#include <memory>

class AudioOutput;

// Plays strums on the default sound device. Nothing audio-related exists until the first
// strum: then the audio module is loaded and the device opened, once per run. A machine
// without a device or without the module plays nothing and says nothing.
class StrumPlayer
{
    Q_DISABLE_COPY_MOVE(StrumPlayer)

public:
    using OutputFactory = std::function<std::unique_ptr<AudioOutput>()>;

    // The audio module is looked for in these folders, in order.
    explicit StrumPlayer(QStringList moduleFolders);
    ~StrumPlayer();

    // Replaces the audio module as the source of the output (tests, benchmarks).
    void setOutputFactory(OutputFactory factory);

    // Renders the strum at the device's rate and starts it, cutting off the one still
    // sounding; false when there is no device to play it on.
    bool play(const chords::Frets& frets);
    // The same for the MIDI pitches of the strings (-1 muted), for any tuning and capo.
    bool playPitches(const std::array<int, chords::StringCount>& pitches);
    bool hasTriedDevice() const { return m_tried; }
    bool hasDevice() const { return m_output != nullptr; }
    // The output once the first strum has found a device, else null.
    const AudioOutput* output() const { return m_output.get(); }

private:
    std::unique_ptr<AudioOutput> loadModuleOutput() const;

    QStringList m_moduleFolders;
    OutputFactory m_factory;
    std::unique_ptr<AudioOutput> m_output;
    bool m_tried = false;
};
