#include "chords/strum_player.h"

#include "chords/audio_output.h"
#include "chords/tuning.h"
#include "core/module_symbol.h"

#include <QMetaObject>
#include <QTimer>

#include <mutex>
#include <thread>
#include <utility>

namespace {

std::unique_ptr<AudioOutput> loadModuleOutput(const QStringList& folders)
{
    const ModuleSymbol create =
        resolveModuleSymbol(folders, QStringLiteral("libcorvalto-audio.so"), CORVALTO_AUDIO_ENTRY);
    if (!create.function)
        return nullptr;
    return std::unique_ptr<AudioOutput>(reinterpret_cast<CreateAudioOutput>(create.function)());
}

} // namespace

// What the opening thread and the player share. Once the player has given up or gone, the
// thread keeps what it opened to itself and closes it.
struct StrumPlayer::Opening
{
    std::mutex mutex;
    bool abandoned = false;
    std::unique_ptr<AudioOutput> output;
};

StrumPlayer::StrumPlayer(QStringList moduleFolders) : m_moduleFolders(std::move(moduleFolders))
{
    m_factory = [folders = m_moduleFolders] { return loadModuleOutput(folders); };
}

StrumPlayer::~StrumPlayer()
{
    if (m_opening) {
        std::lock_guard lock(m_opening->mutex);
        m_opening->abandoned = true;
    }
}

void StrumPlayer::setOutputFactory(OutputFactory factory, int waitMs)
{
    if (m_opening) {
        std::lock_guard lock(m_opening->mutex);
        m_opening->abandoned = true;
    }
    m_opening.reset();
    m_factory = std::move(factory);
    m_waitMs = waitMs;
    m_output.reset();
    m_waiting.reset();
    m_device = Device::NotTried;
}

bool StrumPlayer::play(const chords::Frets& frets)
{
    Pitches pitches{};
    for (int s = 0; s < chords::StringCount; ++s)
        pitches[s] = frets[s] < 0 ? -1 : chords::standardTuning().openPitches[s] + frets[s];
    return playPitches(pitches);
}

bool StrumPlayer::playPitches(const Pitches& pitches)
{
    switch (m_device) {
    case Device::NotTried:
        m_waiting = pitches;
        open();
        return true;
    case Device::Opening:
        m_waiting = pitches;
        return true;
    case Device::Open:
        return start(pitches);
    case Device::None:
    case Device::GaveUp:
        break;
    }
    return false;
}

// The module is loaded on the opening thread too: from a cold disk cache loading the
// sound server's client libraries alone takes half a second.
void StrumPlayer::open()
{
    m_device = Device::Opening;
    auto opening = std::make_shared<Opening>();
    m_opening = opening;
    std::thread([this, opening, factory = m_factory] {
        std::unique_ptr<AudioOutput> output = factory();
        std::lock_guard lock(opening->mutex);
        if (opening->abandoned)
            return;
        opening->output = std::move(output);
        // Posted while the player, and so its receiver, surely exists.
        QMetaObject::invokeMethod(
            &m_receiver,
            [this, opening] {
                if (m_opening != opening || m_device != Device::Opening)
                    return;
                std::unique_ptr<AudioOutput> output;
                {
                    std::lock_guard lock(opening->mutex);
                    output = std::move(opening->output);
                }
                opened(std::move(output));
            },
            Qt::QueuedConnection);
    }).detach();
    QTimer::singleShot(m_waitMs, &m_receiver, [this, opening] {
        if (m_opening == opening && m_device == Device::Opening)
            giveUp();
    });
}

void StrumPlayer::opened(std::unique_ptr<AudioOutput> output)
{
    m_opening.reset();
    m_output = std::move(output);
    m_device = m_output && m_output->sampleRate() > 0 ? Device::Open : Device::None;
    if (m_device == Device::None)
        m_output.reset();
    const std::optional<Pitches> waiting = std::exchange(m_waiting, std::nullopt);
    if (waiting && m_device == Device::Open)
        start(*waiting);
}

void StrumPlayer::giveUp()
{
    {
        std::lock_guard lock(m_opening->mutex);
        m_opening->abandoned = true;
    }
    m_opening.reset();
    m_waiting.reset();
    m_device = Device::GaveUp;
    if (m_onGiveUp)
        m_onGiveUp();
}

bool StrumPlayer::start(const Pitches& pitches)
{
    return m_output->play(chords::renderStrumPitches(pitches, m_output->sampleRate()).samples);
}
