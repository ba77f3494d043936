#include "chords/chord_identifier.h"

#include "chords/chord_catalogue.h"
#include "chords/fingering_engine.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace chords {
namespace {

struct NoteName
{
    const char* sharp; // the only name of a white key
    const char* flat;  // null for a white key
    int letter;        // of the sharp name: 0 DO (C) ... 6 SI (B)
};

constexpr std::array<NoteName, 12> kItalian{{
    {"DO", nullptr, 0},
    {"DO#", "REb", 0},
    {"RE", nullptr, 1},
    {"RE#", "MIb", 1},
    {"MI", nullptr, 2},
    {"FA", nullptr, 3},
    {"FA#", "SOLb", 3},
    {"SOL", nullptr, 4},
    {"SOL#", "LAb", 4},
    {"LA", nullptr, 5},
    {"LA#", "SIb", 5},
    {"SI", nullptr, 6},
}};

constexpr std::array<NoteName, 12> kAmerican{{
    {"C", nullptr, 0},
    {"C#", "Db", 0},
    {"D", nullptr, 1},
    {"D#", "Eb", 1},
    {"E", nullptr, 2},
    {"F", nullptr, 3},
    {"F#", "Gb", 3},
    {"G", nullptr, 4},
    {"G#", "Ab", 4},
    {"A", nullptr, 5},
    {"A#", "Bb", 5},
    {"B", nullptr, 6},
}};

// In the order of the type selector.
constexpr std::array<const char*, 12> kSymbolSuffixes{"",  "sus4", "aug",  "6", "7",  "maj7",
                                                      "9", "11",   "dim7", "m", "m6", "m7"};

// How many letters above the root a chord tone lies, by semitones above the root: the
// third of MI is SOL#, the minor third of DO is MIb, the seventh of DO 7 is SIb.
constexpr std::array<int, 12> kLettersAbove{0, 1, 1, 2, 2, 3, 4, 4, 4, 5, 6, 6};

int wrap(int pitchClass)
{
    return ((pitchClass % 12) + 12) % 12;
}

// The bass note spelled as a chord whose root has rootLetter spells it; a black key the
// chord's letters cannot name takes its sharp name.
QString bassName(const std::array<NoteName, 12>& names, int root, int rootLetter, int bass)
{
    const NoteName& note = names[bass];
    if (!note.flat)
        return QString::fromLatin1(note.sharp);
    const int letter = (rootLetter + kLettersAbove[wrap(bass - root)]) % 7;
    const bool flat = note.letter != letter && (note.letter + 1) % 7 == letter;
    return QString::fromLatin1(flat ? note.flat : note.sharp);
}

// A flat root's letter is the one above its sharp twin's.
int rootLetter(int root, bool flat)
{
    const NoteName& note = kAmerican[root];
    return flat && note.flat ? (note.letter + 1) % 7 : note.letter;
}

QString slashSymbol(const ChordMatch& match, bool flat)
{
    QString symbol = chordSymbol(match.root, match.type, flat);
    if (match.bass != match.root)
        symbol += QLatin1Char('/') +
                  bassName(kAmerican, match.root, rootLetter(match.root, flat), match.bass);
    return symbol;
}

} // namespace

Identification identifyChord(const Frets& frets, const Tuning& tuning, int capo)
{
    Identification found;
    const std::array<int, StringCount> pitches = soundingPitches(frets, tuning, capo);
    int lowest = -1;
    for (int pitch : pitches) {
        if (pitch < 0)
            continue;
        found.pitchClasses = static_cast<ToneSet>(found.pitchClasses | toneBit(pitch));
        if (lowest < 0 || pitch < lowest)
            lowest = pitch;
    }
    if (lowest < 0)
        return found;
    found.bass = lowest % 12;

    const ToneSet heard = found.pitchClasses;
    for (int type = 0; type < TypeCount; ++type) {
        for (int root = 0; root < RootCount; ++root) {
            const ChordType chordType = static_cast<ChordType>(type);
            const ChordTones tones = chordPitchClasses(root, chordType);
            if ((heard & ~tones.all()) || (tones.required & ~heard))
                continue;
            const ToneSet fifth = toneBit(root + 7);
            MatchKind kind = found.bass == root ? MatchKind::RootInBass : MatchKind::Inversion;
            if ((tones.optional & fifth) && !(heard & fifth))
                kind = MatchKind::NoFifth;
            found.matches.push_back({root, chordType, kind, found.bass});
        }
    }
    // Best kind first; among chords without their fifth the root in the bass first; then
    // the order of the type selector.
    std::stable_sort(found.matches.begin(), found.matches.end(),
                     [](const ChordMatch& a, const ChordMatch& b) {
                         return std::make_tuple(a.kind, a.bass != a.root) <
                                std::make_tuple(b.kind, b.bass != b.root);
                     });
    return found;
}

QString matchName(const ChordMatch& match, bool american)
{
    const bool sharpRoot = kItalian[match.root].flat != nullptr;
    if (american) {
        QString name = slashSymbol(match, false);
        if (sharpRoot)
            name += QStringLiteral(" / ") + slashSymbol(match, true);
        return name;
    }
    QString name = chordName(match.root, static_cast<int>(match.type), Source::TypeGroup);
    if (match.bass == match.root)
        return name;
    const QString bass = bassName(kItalian, match.root, rootLetter(match.root, false), match.bass);
    if (sharpRoot)
        return name + QStringLiteral(" (basso ") + bass + QLatin1Char(')');
    return name + QStringLiteral(" / ") + bass;
}

QString chordSymbol(int root, ChordType type, bool flat)
{
    const NoteName& note = kAmerican[wrap(root)];
    return QString::fromLatin1(flat && note.flat ? note.flat : note.sharp) +
           QString::fromLatin1(kSymbolSuffixes[static_cast<size_t>(type)]);
}

QString noteNames(ToneSet pitchClasses, int bass, bool american)
{
    const std::array<NoteName, 12>& names = american ? kAmerican : kItalian;
    QStringList heard;
    for (int i = 0; i < 12; ++i) {
        const int pitchClass = wrap(std::max(bass, 0) + i);
        if (pitchClasses & toneBit(pitchClass))
            heard.append(QString::fromLatin1(names[pitchClass].sharp));
    }
    return heard.join(QLatin1Char(' '));
}

} // namespace chords
