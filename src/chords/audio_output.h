#pragma once

#include <vector>

// A sound device that plays one sound at a time. The program reaches the audio library
// only through this interface, from a module loaded on the first strum, so that start-up
// loads no audio library.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;

    // Frames per second the device takes.
    virtual int sampleRate() const = 0;
    // Starts mono samples in -1..1, cutting off the sound still playing; false when the
    // device refuses them. Never waits for the device: the window calls it.
    virtual bool play(const std::vector<float>& samples) = 0;
    // Frames of the current sound the device has taken so far.
    virtual long long framesTaken() const = 0;
};

// The module's one entry point: a new output on the default device, or null when the
// machine has none. Runs on a thread of its own and may wait long for a sound server
// that does not answer; the caller gives up on it after a while.
extern "C" {
using CreateAudioOutput = AudioOutput* (*)();
}
#define CORVALTO_AUDIO_ENTRY "corvaltoCreateAudioOutput"
