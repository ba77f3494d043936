#include "chords/fingering_engine.h"

#include "chords/chord_tones.h"

#include <algorithm>
#include <tuple>

namespace chords {
namespace {

constexpr int MaxFingers = 4;

// A finger on the neck: one string, or a barre over neighbouring strings at one fret.
struct Unit
{
    int fret;
    int lowString;
    int highString;
};

// At most one finger a string; no allocation, since every fingering searched is fingered.
class Units
{
public:
    void push_back(const Unit& unit) { m_items[m_size++] = unit; }
    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const Unit* begin() const { return m_items.data(); }
    const Unit* end() const { return m_items.data() + m_size; }
    Unit& operator[](size_t i) { return m_items[i]; }
    template <typename Predicate> void eraseIf(Predicate predicate)
    {
        size_t kept = 0;
        for (size_t i = 0; i < m_size; ++i) {
            if (!predicate(m_items[i]))
                m_items[kept++] = m_items[i];
        }
        m_size = kept;
    }
    // By fret, then from the bass up; an insertion sort, for six at most.
    void sort()
    {
        for (size_t i = 1; i < m_size; ++i) {
            const Unit unit = m_items[i];
            size_t j = i;
            for (; j > 0 && std::tie(unit.fret, unit.lowString) <
                                std::tie(m_items[j - 1].fret, m_items[j - 1].lowString);
                 --j)
                m_items[j] = m_items[j - 1];
            m_items[j] = unit;
        }
    }

private:
    std::array<Unit, StringCount> m_items{};
    size_t m_size = 0;
};

// Fingers a guitarist would use for the frets; false when four fingers cannot play them.
//
// Each fretted note wants a finger of its own, the notes taken from the lowest fret up and,
// at one fret, from the bass up (x 3 2 0 1 0 is played 3 2 1). A finger also stays as far
// from the index as its fret is from the lowest one, one finger per fret, as long as
// enough fingers remain. The index lies across the strings from its lowest to its highest
// note at the lowest fret (the strings between fretted, never open or muted) when more than
// four notes need it, when four notes lie side by side at one fret, or to hold the highest
// strings flat (x x 3 2 1 1). Then, while fingers run short or would have to crowd below
// one finger per fret, a finger is laid flat over three or more neighbouring strings at one
// fret, highest fret first (the ring finger of x 3 2 3 3 3 and of 1 3 3 3 1 1); over two
// only beside an index barre or when four fingers are not enough (1 3 3 1 4 1).
bool assignFingers(Fingering& fingering)
{
    const Frets& frets = fingering.frets;
    fingering.fingers = {};
    Units units;
    int lowest = 0;
    for (int s = 0; s < StringCount; ++s) {
        if (frets[s] > 0) {
            units.push_back({frets[s], s, s});
            lowest = lowest == 0 ? frets[s] : std::min(lowest, frets[s]);
        }
    }
    if (units.empty())
        return true;

    const auto mergeRun = [&units](int fret, int low, int high) {
        units.eraseIf([&](const Unit& u) {
            return u.fret == fret && u.lowString >= low && u.highString <= high;
        });
        units.push_back({fret, low, high});
    };
    const auto flatRun = [&frets](int low, int high) {
        return std::all_of(frets.begin() + low, frets.begin() + high + 1,
                           [&](int f) { return f == frets[low]; });
    };
    bool runOfFour = false;
    for (int s = 0; s + 3 < StringCount; ++s)
        runOfFour = runOfFour || (frets[s] > 0 && flatRun(s, s + 3));

    int barreLow = -1;
    int barreHigh = -1;
    for (int s = 0; s < StringCount; ++s) {
        if (barreLow < 0 && frets[s] == lowest)
            barreLow = s;
        if (barreLow >= 0) {
            if (frets[s] <= 0)
                break;
            if (frets[s] == lowest)
                barreHigh = s;
        }
    }
    const bool flatOnTop = barreHigh == StringCount - 1 && flatRun(barreLow, barreHigh);
    const bool indexBarre =
        barreHigh > barreLow && (units.size() > MaxFingers || runOfFour || flatOnTop);
    if (indexBarre)
        mergeRun(lowest, barreLow, barreHigh);

    // The fingers one per fret would give; more than four means crowding.
    const auto sortedNeed = [&units, lowest]() {
        units.sort();
        int previous = 0;
        for (const Unit& unit : units)
            previous = std::max(previous + 1, 1 + unit.fret - lowest);
        return previous;
    };
    for (int fret = MaxFret; fret > lowest && sortedNeed() > MaxFingers; --fret) {
        for (int s = 0; s < StringCount;) {
            int e = s;
            while (e < StringCount && frets[e] == fret)
                ++e;
            // Two strings are laid flat only when the hand is already a barre's.
            if (e - s >= 3 || (e - s == 2 && (indexBarre || units.size() > MaxFingers))) {
                mergeRun(fret, s, e - 1);
                break;
            }
            s = std::max(e, s + 1);
        }
    }
    if (units.size() > MaxFingers)
        return false;

    // The index barre holds the lowest string at the lowest fret, so it sorts first.
    sortedNeed();
    const int count = static_cast<int>(units.size());
    int previous = 0;
    for (int i = 0; i < count; ++i) {
        const int wanted = std::max(previous + 1, 1 + units[i].fret - lowest);
        const int finger = std::min(wanted, MaxFingers - (count - 1 - i));
        for (int s = units[i].lowString; s <= units[i].highString; ++s)
            fingering.fingers[s] = finger;
        previous = finger;
    }
    return true;
}

// The playability cost, in tenths: lower is easier, and the list is ranked by it. A
// guitarist looks for open shapes first, then the barre shapes on the sixth and fifth
// strings, then shapes higher up or with fewer strings.
int playabilityCost(const Fingering& fingering, bool fifthLeftOut)
{
    const Frets& f = fingering.frets;
    const int lowest = fingering.lowestFret();
    const int span = lowest == 0 ? 0 : fingering.highestFret() - lowest;
    int cost = 0;

    // Stretch: the frets between the index and the highest finger; a four-fret stretch is
    // hard for most hands.
    constexpr std::array<int, MaxSpan> stretch{0, 4, 10, 28};
    cost += stretch[static_cast<size_t>(span)];

    // Fingers: every finger on the neck is one more thing to place.
    cost += 5 * fingering.fingerCount();

    // Barre: the index across several strings needs strength, more the more strings it
    // holds; another finger flattened over strings (the ring barre of the A shape) is
    // harder to keep clean.
    for (int finger = 1; finger <= MaxFingers; ++finger) {
        const auto first = std::find(fingering.fingers.begin(), fingering.fingers.end(), finger);
        if (first == fingering.fingers.end())
            continue;
        const auto last = std::find(fingering.fingers.rbegin(), fingering.fingers.rend(), finger);
        const int strings =
            static_cast<int>(fingering.fingers.rend() - last - (first - fingering.fingers.begin()));
        if (strings > 1)
            cost += finger == 1 ? 4 + strings / 2 : 12;
    }

    // Crowding: more than two fingers side by side at one fret squeeze each other (a barre
    // is one finger).
    for (int fret = lowest; fret > 0 && fret <= fingering.highestFret(); ++fret) {
        std::array<bool, MaxFingers + 1> used{};
        int fingers = 0;
        for (int s = 0; s < StringCount; ++s) {
            const int finger = fingering.fingers[s];
            if (f[s] == fret && finger > 0 && !used[static_cast<size_t>(finger)]) {
                used[static_cast<size_t>(finger)] = true;
                ++fingers;
            }
        }
        cost += 6 * std::max(0, fingers - 2);
    }

    // Muted strings: a string muted between sounding ones must be damped by a finger
    // touching it, easy to get wrong; a muted high string is a thinner, rarer chord; muted
    // bass strings below the root are the normal way to start on the fifth or fourth string.
    const int bass = fingering.bassString();
    int top = StringCount - 1;
    while (top > bass && f[top] < 0)
        --top;
    for (int s = bass + 1; s < top; ++s) {
        if (f[s] < 0)
            cost += 40;
    }
    cost += 28 * (StringCount - 1 - top);
    cost += 2 * bass;

    // Height on the neck: shapes near the nut come first, those near the twelfth fret last.
    cost += 2 * lowest;

    // Sounding strings: a chord on four strings sounds thin, on three it is a fragment.
    constexpr std::array<int, StringCount + 1> thin{0, 0, 0, 35, 12, 0, 0};
    cost += thin[static_cast<size_t>(fingering.soundingStrings())];

    // Open strings: they ring freely and need no finger, a gift in the first four frets.
    // Further up, where the hand is a long way off, an open bass string under the shape is
    // a drone some players like, but an open string among or above the fretted notes makes
    // the shape exotic. An open string between two fretted ones needs the fingers arched
    // over it.
    const bool nearNut = fingering.highestFret() <= 4;
    const int firstFretted =
        static_cast<int>(std::find_if(f.begin(), f.end(), [](int v) { return v > 0; }) - f.begin());
    for (int s = 0; s < StringCount; ++s) {
        if (f[s] != 0)
            continue;
        if (nearNut)
            cost -= 3;
        else
            cost += (s < firstFretted ? 6 : 12) + lowest;
        if (s > 0 && s + 1 < StringCount && f[s - 1] > 0 && f[s + 1] > 0)
            cost += 8;
    }

    // A fifth left out where the chord allows it: a fuller chord first, when it is as easy.
    if (fifthLeftOut)
        cost += 4;
    return cost;
}

// The depth-first search over the strings above the bass. Each string is muted, open or
// fretted at a chord tone, and the fretted notes stay within MaxSpan frets.
class Search
{
public:
    Search(int root, ChordType type, const Tuning& tuning)
        : m_tones(chordPitchClasses(root, type)), m_root(root), m_allowed(m_tones.all()),
          m_fifth(transposed(toneBit(7), root))
    {
        for (int s = 0; s < StringCount; ++s) {
            m_open[s] = tuning.openPitches[s] % 12;
            for (int fret = 1; fret <= MaxFret; ++fret) {
                if (m_allowed & toneBit(m_open[s] + fret))
                    m_frettedChoices[s].push_back(fret);
            }
        }
    }

    std::vector<Fingering> run()
    {
        // The root in the bass; a chord of three or more tones needs at least three strings.
        for (int bass = 0; bass <= StringCount - 3; ++bass) {
            m_frets.fill(-1);
            if ((m_open[bass] % 12) == m_root)
                place(bass, 0, 0, 0);
            for (int fret : m_frettedChoices[bass]) {
                if ((m_open[bass] + fret) % 12 == m_root)
                    place(bass, fret, fret, fret);
            }
            m_frets[bass] = -1;
        }
        return std::move(m_found);
    }

private:
    void place(int string, int fret, int low, int high)
    {
        m_frets[string] = fret;
        const ToneSet tone = fret < 0 ? 0 : toneBit(m_open[string] + fret);
        const ToneSet saved = m_have;
        m_have = static_cast<ToneSet>(m_have | tone);
        visit(string + 1, low, high);
        m_have = saved;
        m_frets[string] = -1;
    }

    void visit(int string, int low, int high)
    {
        const ToneSet missing = static_cast<ToneSet>(m_tones.required & ~m_have);
        if (toneCount(missing) > StringCount - string)
            return;
        if (string == StringCount) {
            evaluate();
            return;
        }
        place(string, -1, low, high);
        if (m_allowed & toneBit(m_open[string]))
            place(string, 0, low, high);
        for (int fret : m_frettedChoices[string]) {
            if (low > 0 && (fret > low + MaxSpan - 1 || fret < high - (MaxSpan - 1)))
                continue;
            place(string, fret, low == 0 ? fret : std::min(low, fret), std::max(high, fret));
        }
    }

    void evaluate()
    {
        Fingering fingering;
        fingering.frets = m_frets;
        if (!assignFingers(fingering))
            return;
        fingering.cost =
            playabilityCost(fingering, (m_tones.optional & m_fifth) && !(m_have & m_fifth));
        m_found.push_back(fingering);
    }

    ChordTones m_tones;
    int m_root;
    ToneSet m_allowed;
    ToneSet m_fifth;
    std::array<int, StringCount> m_open{};
    std::array<std::vector<int>, StringCount> m_frettedChoices;
    Frets m_frets{};
    ToneSet m_have = 0;
    std::vector<Fingering> m_found;
};

// The shipped picture's voicing of the chord, first positions only; a diminished picture
// belongs to the root in its bass.
const Voicing* shippedVoicing(int root, ChordType type)
{
    for (const Voicing& voicing : voicingTable()) {
        if (!voicing.secondPosition && voicing.root == root && voicing.type == type)
            return &voicing;
    }
    return nullptr;
}

} // namespace

std::vector<Fingering> fingerings(int root, ChordType type, const Tuning& tuning, int capo)
{
    // With a capo the shapes are those of the chord capo semitones lower.
    const int shapeRoot = (((root - capo) % 12) + 12) % 12;
    std::vector<Fingering> found = Search(shapeRoot, type, tuning).run();
    std::stable_sort(found.begin(), found.end(), [](const Fingering& a, const Fingering& b) {
        return std::tie(a.cost, a.frets) < std::tie(b.cost, b.frets);
    });

    // The shipped picture stays the default: in standard tuning its fingering, with the
    // shipped finger numbers, is put first whatever its cost. The cost puts most of them
    // first on its own, but a few teachers' choices (the A shape for DO#, RE# and LA#, the
    // 5+ and 6 shapes) are not the easiest by any one measure.
    if (std::string_view(tuning.id) == standardTuning().id) {
        if (const Voicing* voicing = shippedVoicing(shapeRoot, type)) {
            Fingering shipped = fingeringOf(*voicing);
            std::erase_if(found, [&](const Fingering& f) { return f.frets == shipped.frets; });
            const ChordTones tones = chordPitchClasses(shapeRoot, type);
            ToneSet heard = 0;
            for (int s = 0; s < StringCount; ++s) {
                if (shipped.frets[s] >= 0)
                    heard = static_cast<ToneSet>(heard |
                                                 toneBit(tuning.openPitches[s] + shipped.frets[s]));
            }
            const ToneSet fifth = transposed(toneBit(7), shapeRoot);
            shipped.cost = playabilityCost(shipped, (tones.optional & fifth) && !(heard & fifth));
            found.insert(found.begin(), shipped);
        }
        // A shipped second position keeps its place in the order but is fingered as its
        // picture shows it, so the main window and the list of fingerings agree.
        for (const Voicing& voicing : voicingTable()) {
            if (!voicing.secondPosition || voicing.root != shapeRoot || voicing.type != type)
                continue;
            const Fingering second = fingeringOf(voicing);
            for (Fingering& f : found) {
                if (f.frets == second.frets)
                    f.fingers = second.fingers;
            }
        }
    }
    return found;
}

std::array<int, StringCount> soundingPitches(const Frets& frets, const Tuning& tuning, int capo)
{
    std::array<int, StringCount> pitches{};
    for (int s = 0; s < StringCount; ++s)
        pitches[s] = frets[s] < 0 ? -1 : tuning.openPitches[s] + capo + frets[s];
    return pitches;
}

} // namespace chords
