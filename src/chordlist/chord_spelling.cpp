#include "chordlist/chord_spelling.h"

#include "chords/chord_catalogue.h"
#include "chords/voicing_table.h"

#include <QHash>

#include <array>
#include <utility>

namespace chordlist {
namespace {

// The note names of the roots in the catalogue's names and in American notation;
// a white key has no flat name.
struct RootNames
{
    const char* italianSharp;
    const char* italianFlat;
    const char* americanSharp;
    const char* americanFlat;
};

constexpr std::array<RootNames, chords::RootCount> rootNames{{
    {"DO", nullptr, "C", nullptr},
    {"DO#", "REb", "C#", "Db"},
    {"RE", nullptr, "D", nullptr},
    {"RE#", "MIb", "D#", "Eb"},
    {"MI", nullptr, "E", nullptr},
    {"FA", nullptr, "F", nullptr},
    {"FA#", "SOLb", "F#", "Gb"},
    {"SOL", nullptr, "G", nullptr},
    {"SOL#", "LAb", "G#", "Ab"},
    {"LA", nullptr, "A", nullptr},
    {"LA#", "SIb", "A#", "Bb"},
    {"SI", nullptr, "B", nullptr},
}};

// Whether a chord chart spells a lone black key with its flat: Eb, Ab and Bb, but
// C# and F#.
constexpr std::array<bool, chords::RootCount> flatByDefault{
    false, false, false, true, false, false, false, false, true, false, true, false};

// The usual suffix of each chord type first, then the other ways guitarists write it.
const std::array<std::vector<QString>, chords::TypeCount>& symbolSuffixes()
{
    static const std::array<std::vector<QString>, chords::TypeCount> suffixes{{
        {QString(), QStringLiteral("maj"), QStringLiteral("M")},
        {QStringLiteral("sus4"), QStringLiteral("sus")},
        {QStringLiteral("aug"), QStringLiteral("+"), QStringLiteral("5+"), QStringLiteral("+5")},
        {QStringLiteral("6")},
        {QStringLiteral("7")},
        {QStringLiteral("maj7"), QStringLiteral("7+"), QStringLiteral("M7"), QStringLiteral("ma7")},
        {QStringLiteral("9")},
        {QStringLiteral("11")},
        {QStringLiteral("dim7"), QStringLiteral("dim"), QStringLiteral("o7"), QStringLiteral("o"),
         QStringLiteral("°7"), QStringLiteral("°")},
        {QStringLiteral("m"), QStringLiteral("min"), QStringLiteral("-")},
        {QStringLiteral("m6"), QStringLiteral("min6"), QStringLiteral("-6")},
        {QStringLiteral("m7"), QStringLiteral("min7"), QStringLiteral("-7")},
    }};
    return suffixes;
}

// The catalogue's names written with American note names: every note name starts the
// name or follows "/ ".
QString withAmericanNotes(const QString& italian, int root)
{
    const RootNames& names = rootNames[static_cast<size_t>(root)];
    QString american = italian;
    american.replace(0, static_cast<qsizetype>(qstrlen(names.italianSharp)),
                     QString::fromLatin1(names.americanSharp));
    if (names.italianFlat) {
        const QString flat = QStringLiteral("/ ") + QString::fromLatin1(names.italianFlat);
        const qsizetype at = american.indexOf(flat);
        if (at >= 0)
            american.replace(at + 2, flat.size() - 2, QString::fromLatin1(names.americanFlat));
    }
    return american;
}

// Every name the chooser can give, in Italian and with American note names.
const QHash<QString, SpelledChord>& catalogueNames()
{
    static const QHash<QString, SpelledChord> names = [] {
        QHash<QString, SpelledChord> table;
        for (int root = 0; root < chords::RootCount; ++root) {
            for (int type = 0; type < chords::TypeCount; ++type) {
                for (chords::Source source :
                     {chords::Source::TypeGroup, chords::Source::NoteGroup}) {
                    const QString italian = chords::chordName(root, type, source);
                    table.insert(italian, {root, type, Notation::Italian, {}, Accidental::Both});
                    table.insert(withAmericanNotes(italian, root),
                                 {root, type, Notation::AmericanNames, {}, Accidental::Both});
                }
            }
        }
        return table;
    }();
    return names;
}

// A root letter with at most one accidental at the start of text: the pitch class, the
// accidental and the length read.
struct SymbolRoot
{
    int root;
    Accidental accidental;
    qsizetype length;
};

std::optional<SymbolRoot> readSymbolRoot(const QString& text)
{
    static constexpr std::array<std::pair<char, int>, 7> letters{
        {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}}};
    if (text.isEmpty())
        return std::nullopt;
    for (const auto& [letter, pitch] : letters) {
        if (text.at(0) != QLatin1Char(letter))
            continue;
        if (text.size() > 1 && text.at(1) == QLatin1Char('#'))
            return SymbolRoot{(pitch + 1) % 12, Accidental::Sharp, 2};
        if (text.size() > 1 && text.at(1) == QLatin1Char('b'))
            return SymbolRoot{(pitch + 11) % 12, Accidental::Flat, 2};
        return SymbolRoot{pitch, Accidental::Natural, 1};
    }
    return std::nullopt;
}

std::optional<int> typeOfSuffix(const QString& suffix)
{
    for (int type = 0; type < chords::TypeCount; ++type) {
        for (const QString& written : symbolSuffixes()[static_cast<size_t>(type)]) {
            if (suffix == written)
                return type;
        }
    }
    return std::nullopt;
}

std::optional<SpelledChord> recogniseSymbol(const QString& text)
{
    const std::optional<SymbolRoot> root = readSymbolRoot(text);
    if (!root)
        return std::nullopt;
    QString suffix = text.mid(root->length);
    Accidental accidental = root->accidental;
    // "C#m7 / Dbm7": a black key with its sharp and its flat name, the suffix twice.
    const qsizetype slash = suffix.indexOf(QStringLiteral(" / "));
    if (slash >= 0) {
        const QString first = suffix.left(slash);
        const QString second = text.mid(root->length + slash + 3);
        const std::optional<SymbolRoot> twin = readSymbolRoot(second);
        if (root->accidental != Accidental::Sharp || !twin ||
            twin->accidental != Accidental::Flat || twin->root != root->root ||
            second.mid(twin->length) != first)
            return std::nullopt;
        suffix = first;
        accidental = Accidental::Both;
    }
    const std::optional<int> type = typeOfSuffix(suffix);
    if (!type)
        return std::nullopt;
    return SpelledChord{root->root, *type, Notation::Symbol, suffix, accidental};
}

QString symbolRootName(int root, Accidental accidental, const QString& suffix)
{
    const RootNames& names = rootNames[static_cast<size_t>(root)];
    const QString sharp = QString::fromLatin1(names.americanSharp);
    if (!names.americanFlat)
        return sharp + suffix;
    const QString flat = QString::fromLatin1(names.americanFlat);
    switch (accidental) {
    case Accidental::Sharp:
        return sharp + suffix;
    case Accidental::Flat:
        return flat + suffix;
    case Accidental::Both:
        return sharp + suffix + QStringLiteral(" / ") + flat + suffix;
    case Accidental::Natural:
        break;
    }
    return (flatByDefault[static_cast<size_t>(root)] ? flat : sharp) + suffix;
}

} // namespace

std::optional<SpelledChord> recogniseChord(const QString& text)
{
    const auto found = catalogueNames().constFind(text);
    if (found != catalogueNames().constEnd())
        return *found;
    return recogniseSymbol(text);
}

QString italianName(int root, int type)
{
    // The naming rule without the three names the chooser spells its own way.
    if (root == 6 && (type == 6 || type == 7))
        return chords::chordName(root, type, chords::Source::NoteGroup);
    return chords::chordName(root, type, chords::Source::TypeGroup);
}

QString spellChord(const SpelledChord& chord)
{
    switch (chord.notation) {
    case Notation::Italian:
        return italianName(chord.root, chord.type);
    case Notation::AmericanNames:
        return withAmericanNotes(italianName(chord.root, chord.type), chord.root);
    case Notation::Symbol:
        break;
    }
    return symbolRootName(chord.root, chord.accidental, chord.suffix);
}

QString englishSymbol(int root, int type, Accidental accidental)
{
    if (root < 0 || root >= chords::RootCount || type < 0 || type >= chords::TypeCount)
        return {};
    return symbolRootName(root, accidental, symbolSuffixes()[static_cast<size_t>(type)].front());
}

QString englishSymbol(int root, int type)
{
    return englishSymbol(root, type, Accidental::Natural);
}

QString fingeringPicture(const QString& entry, const QString& picture)
{
    if (chords::voicingForPicture(picture.toStdString()))
        return picture;
    if (const auto chord = recogniseChord(entry))
        return chords::chordPicture(chord->root, chord->type);
    return {};
}

} // namespace chordlist
