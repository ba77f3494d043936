#include "chords/strum_player.h"

#include "chords/audio_output.h"

#include <QLibrary>

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
    if (!m_tried) {
        m_tried = true;
        m_output = m_factory();
    }
    if (!m_output || m_output->sampleRate() <= 0)
        return false;
    return m_output->play(chords::renderStrum(frets, m_output->sampleRate()).samples);
}

// The module stays loaded for the rest of the run: the output's code lives in it.
std::unique_ptr<AudioOutput> StrumPlayer::loadModuleOutput() const
{
    for (const QString& folder : m_moduleFolders) {
        QLibrary module(folder + QStringLiteral("/corvalto-audio"));
        if (!module.load())
            continue;
        const auto create =
            reinterpret_cast<CreateAudioOutput>(module.resolve(CORVALTO_AUDIO_ENTRY));
        return std::unique_ptr<AudioOutput>(create ? create() : nullptr);
    }
    return nullptr;
}
