#include "chords/strum_player.h"

#include "chords/audio_output.h"
#include "chords/tuning.h"
#include "core/module_symbol.h"

StrumPlayer::StrumPlayer(QStringList moduleFolders) : m_moduleFolders(std::move(moduleFolders))
{
    m_factory = [this] { return loadModuleOutput(); };
}

StrumPlayer::~StrumPlayer() = default;

void StrumPlayer::setOutputFactory(OutputFactory factory)
{
    m_factory = std::move(factory);
    m_output.reset();
    m_tried = false;
}

bool StrumPlayer::play(const chords::Frets& frets)
{
    std::array<int, chords::StringCount> pitches{};
    for (int s = 0; s < chords::StringCount; ++s)
        pitches[s] = frets[s] < 0 ? -1 : chords::standardTuning().openPitches[s] + frets[s];
    return playPitches(pitches);
}

bool StrumPlayer::playPitches(const std::array<int, chords::StringCount>& pitches)
{
    if (!m_tried) {
        m_tried = true;
        m_output = m_factory();
    }
    if (!m_output || m_output->sampleRate() <= 0)
        return false;
    return m_output->play(chords::renderStrumPitches(pitches, m_output->sampleRate()).samples);
}

std::unique_ptr<AudioOutput> StrumPlayer::loadModuleOutput() const
{
    const ModuleSymbol create = resolveModuleSymbol(
        m_moduleFolders, QStringLiteral("libcorvalto-audio.so"), CORVALTO_AUDIO_ENTRY);
    if (!create.function)
        return nullptr;
    return std::unique_ptr<AudioOutput>(reinterpret_cast<CreateAudioOutput>(create.function)());
}
