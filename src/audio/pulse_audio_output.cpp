// The audio module: plays through the PulseAudio simple API on the default output, which
// PulseAudio and PipeWire's PulseAudio server both answer. Loaded by the program at the
// first strum, never at start-up.

#include "chords/audio_output.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace {

constexpr int Rate = 44100;
// Samples go to the server in slices of 20 ms, so that a new strum cuts the old one off
// within a slice; the server holds 100 ms ahead, enough against a busy machine, and starts
// playing once it has one slice, so a sound's tail never waits for more.
constexpr int SliceFrames = Rate / 50;
constexpr int AheadFrames = Rate / 10;

// What the window's thread and the writing thread share. The writing thread owns it last
// when the output goes while a write still waits on the server.
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

void writeLoop(const std::shared_ptr<Shared>& shared, pa_simple* stream)
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
                // What the server still holds of the last sound is cut off.
                pa_simple_flush(stream, nullptr);
            }
        }
        const std::size_t n = std::min<std::size_t>(SliceFrames, sound.size() - at);
        if (n > 0 && pa_simple_write(stream, sound.data() + at, n * sizeof(float), nullptr) < 0)
            break;
        at += n;
        std::lock_guard lock(shared->mutex);
        if (!shared->hasNext)
            shared->taken += static_cast<long long>(n);
    }
    pa_simple_free(stream);
    std::lock_guard lock(shared->mutex);
    shared->finished = true;
    shared->wake.notify_all();
}

class PulseAudioOutput : public AudioOutput
{
public:
    explicit PulseAudioOutput(pa_simple* stream) : m_shared(std::make_shared<Shared>())
    {
        m_thread = std::thread(writeLoop, m_shared, stream);
    }

    // Waits a moment for the writing thread to close the stream; one stuck on a server
    // that stopped answering is left to end with the program.
    ~PulseAudioOutput() override
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

} // namespace

extern "C" __attribute__((visibility("default"))) AudioOutput* corvaltoCreateAudioOutput()
{
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, Rate, 1};
    const auto bytes = [](int frames) { return static_cast<uint32_t>(frames * sizeof(float)); };
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = bytes(AheadFrames);
    buffer.prebuf = bytes(SliceFrames);
    buffer.minreq = static_cast<uint32_t>(-1);
    buffer.fragsize = static_cast<uint32_t>(-1);
    // Where no server runs this fails at once; one that never answers keeps it waiting,
    // which is why it runs on a thread of its own.
    pa_simple* stream = pa_simple_new(nullptr, "Corvalto", PA_STREAM_PLAYBACK, nullptr, "Accordo",
                                      &spec, nullptr, &buffer, nullptr);
    if (!stream)
        return nullptr;
    return new PulseAudioOutput(stream);
}
