// The audio module: plays through ALSA's default output. On a desktop that is the sound
// server: PipeWire through pipewire-alsa, PulseAudio through the ALSA pulse plugin that
// Debian's pulseaudio package brings. Loaded by the program at the first strum, never at
// start-up.

#include "chords/audio_output.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace {

constexpr int Rate = 44100;
// Samples go to the device in slices of 20 ms, so that a new strum cuts the old one off
// within a slice; the device holds 100 ms ahead, enough against a busy machine.
constexpr snd_pcm_uframes_t SliceFrames = Rate / 50;
constexpr int SliceMs = 20;
constexpr unsigned LatencyUs = 100000;

// What the window's thread and the writing thread share. The writing thread owns it last
// when the output goes while a write still waits on the device.
struct Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    std::vector<float> next;
    bool hasNext = false;
    bool stop = false;
    bool finished = false;
    std::atomic<long long> taken{0};
};

void writeLoop(const std::shared_ptr<Shared>& shared, snd_pcm_t* pcm)
{
    std::vector<float> sound;
    std::size_t at = 0;
    for (;;) {
        {
            std::unique_lock lock(shared->mutex);
            if (at >= sound.size())
                shared->wake.wait(lock, [&] { return shared->hasNext || shared->stop; });
            if (shared->stop)
                break;
            if (shared->hasNext) {
                sound = std::move(shared->next);
                shared->next.clear();
                shared->hasNext = false;
                at = 0;
                shared->taken = 0;
                lock.unlock();
                // What the device still holds of the last sound is cut off.
                snd_pcm_drop(pcm);
                snd_pcm_prepare(pcm);
            }
        }
        const auto n =
            static_cast<snd_pcm_uframes_t>(std::min<std::size_t>(SliceFrames, sound.size() - at));
        if (n == 0)
            continue;
        snd_pcm_sframes_t written = snd_pcm_writei(pcm, sound.data() + at, n);
        if (written == -EAGAIN) {
            // The device is full: a slice's time to make room, then a new strum is looked
            // for again. A device that takes long never keeps the next strum waiting.
            snd_pcm_wait(pcm, SliceMs);
            continue;
        }
        if (written < 0)
            written = snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0 ? -1 : 0;
        if (written < 0)
            break;
        at += static_cast<std::size_t>(written);
        std::lock_guard lock(shared->mutex);
        if (!shared->hasNext)
            shared->taken += written;
    }
    snd_pcm_close(pcm);
    std::lock_guard lock(shared->mutex);
    shared->finished = true;
    shared->wake.notify_all();
}

class AlsaAudioOutput : public AudioOutput
{
public:
    explicit AlsaAudioOutput(snd_pcm_t* pcm) : m_shared(std::make_shared<Shared>())
    {
        m_thread = std::thread(writeLoop, m_shared, pcm);
    }

    // Waits a moment for the writing thread to close the device; one stuck on a server
    // that stopped answering is left to end with the program.
    ~AlsaAudioOutput() override
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->stop = true;
        m_shared->wake.notify_all();
        const bool done = m_shared->wake.wait_for(lock, std::chrono::milliseconds(300),
                                                  [this] { return m_shared->finished; });
        lock.unlock();
        if (done)
            m_thread.join();
        else
            m_thread.detach();
    }

    int sampleRate() const override { return Rate; }

    bool play(const std::vector<float>& samples) override
    {
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->finished)
            return false;
        m_shared->next = samples;
        m_shared->hasNext = true;
        m_shared->taken = 0;
        m_shared->wake.notify_all();
        return true;
    }

    long long framesTaken() const override { return m_shared->taken; }

private:
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};

// A machine without sound is no error of the program's: ALSA's own complaints stay off
// the terminal.
void quiet(const char*, int, const char*, int, const char*, ...) {}

} // namespace

extern "C" __attribute__((visibility("default"))) AudioOutput* corvaltoCreateAudioOutput()
{
    snd_lib_error_set_handler(quiet);
    // Where no device exists this fails at once; a sound server that never answers keeps
    // it waiting, which is why it runs on a thread of its own.
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return nullptr;
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_FLOAT, SND_PCM_ACCESS_RW_INTERLEAVED, 1, Rate, 1,
                           LatencyUs) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    snd_pcm_nonblock(pcm, 1);
    return new AlsaAudioOutput(pcm);
}
