#include "chords/voicing_table.h"

#include <array>
#include <map>

namespace chords {

// Frets run from the low MI string to the high mi string: "x" is a muted string, "0" an
// open one. Fingers: 1 index to 4 little, "-" for a string with no finger on it; the same
// finger on several strings at one fret is a barre. No shape here reaches fret 10, so one
// character per string is enough.
//
// Open-position shapes where a teacher would use one; elsewhere the movable barre forms:
// the A shape (root on the la string) for DO, DO#, RE#, LA#, SI and the E shape (root on
// the MI string) for FA, FA#, SOL#.
const std::vector<Voicing>& voicingTable()
{
    static const std::vector<Voicing> table = {
        // Maggiore (1 3 5)
        {0, ChordType::Major, false, "x32010", "-32-1-"},
        {1, ChordType::Major, false, "x46664", "-12341"},
        {2, ChordType::Major, false, "xx0232", "---132"},
        {3, ChordType::Major, false, "x68886", "-12341"},
        {4, ChordType::Major, false, "022100", "-231--"},
        {5, ChordType::Major, false, "133211", "134211"},
        {6, ChordType::Major, false, "244322", "134211"},
        {7, ChordType::Major, false, "320003", "21---3"},
        {8, ChordType::Major, false, "466544", "134211"},
        {9, ChordType::Major, false, "x02220", "--123-"},
        {10, ChordType::Major, false, "x13331", "-12341"},
        {11, ChordType::Major, false, "x24442", "-12341"},

        // 4: suspended fourth (1 4 5)
        {0, ChordType::Sus4, false, "x33011", "-34-11"},
        {1, ChordType::Sus4, false, "x46674", "-12341"},
        {2, ChordType::Sus4, false, "xx0233", "---134"},
        {3, ChordType::Sus4, false, "x68896", "-12341"},
        {4, ChordType::Sus4, false, "022200", "-234--"},
        {5, ChordType::Sus4, false, "133311", "133311"},
        {6, ChordType::Sus4, false, "244422", "133311"},
        {7, ChordType::Sus4, false, "330013", "23--14"},
        {8, ChordType::Sus4, false, "466644", "133311"},
        {9, ChordType::Sus4, false, "x02230", "--123-"},
        {10, ChordType::Sus4, false, "x13341", "-12341"},
        {11, ChordType::Sus4, false, "x24452", "-12341"},

        // 5+: augmented (1 3 #5)
        {0, ChordType::Augmented, false, "x32110", "-4312-"},
        {1, ChordType::Augmented, false, "x4322x", "-4312-"},
        {2, ChordType::Augmented, false, "xx0332", "---231"},
        {3, ChordType::Augmented, false, "xx1003", "--1--3"},
        {4, ChordType::Augmented, false, "032110", "-4312-"},
        {5, ChordType::Augmented, false, "xx3221", "--4231"},
        {6, ChordType::Augmented, false, "xx4332", "--4231"},
        {7, ChordType::Augmented, false, "321003", "321--4"},
        {8, ChordType::Augmented, false, "xx6554", "--4231"},
        {9, ChordType::Augmented, false, "x03221", "--4231"},
        {10, ChordType::Augmented, false, "x10332", "-1-342"},
        {11, ChordType::Augmented, false, "x21003", "-21--3"},

        // 6: major sixth (1 3 5 6)
        {0, ChordType::Sixth, false, "x32210", "-4231-"},
        {1, ChordType::Sixth, false, "x46666", "-13333"},
        {2, ChordType::Sixth, false, "xx0202", "---1-2"},
        {3, ChordType::Sixth, false, "x68888", "-13333"},
        {4, ChordType::Sixth, false, "022120", "-2314-"},
        {5, ChordType::Sixth, false, "1x323x", "1-324-"},
        {6, ChordType::Sixth, false, "2x434x", "1-324-"},
        {7, ChordType::Sixth, false, "320000", "21----"},
        {8, ChordType::Sixth, false, "4x656x", "1-324-"},
        {9, ChordType::Sixth, false, "x02222", "--1111"},
        {10, ChordType::Sixth, false, "x13333", "-13333"},
        {11, ChordType::Sixth, false, "x24444", "-13333"},

        // 7: dominant seventh (1 3 5 b7)
        {0, ChordType::Seventh, false, "x32310", "-3241-"},
        {1, ChordType::Seventh, false, "x46464", "-13141"},
        {2, ChordType::Seventh, false, "xx0212", "---213"},
        {3, ChordType::Seventh, false, "x68686", "-13141"},
        {4, ChordType::Seventh, false, "020100", "-2-1--"},
        {5, ChordType::Seventh, false, "131211", "131211"},
        {6, ChordType::Seventh, false, "242322", "131211"},
        {7, ChordType::Seventh, false, "320001", "32---1"},
        {8, ChordType::Seventh, false, "464544", "131211"},
        {9, ChordType::Seventh, false, "x02020", "--2-3-"},
        {10, ChordType::Seventh, false, "x13131", "-13141"},
        {11, ChordType::Seventh, false, "x21202", "-213-4"},

        // 7+: major seventh (1 3 5 7)
        {0, ChordType::MajorSeventh, false, "x32000", "-32---"},
        {1, ChordType::MajorSeventh, false, "x46564", "-13241"},
        {2, ChordType::MajorSeventh, false, "xx0222", "---123"},
        {3, ChordType::MajorSeventh, false, "x68786", "-13241"},
        {4, ChordType::MajorSeventh, false, "021100", "-312--"},
        {5, ChordType::MajorSeventh, false, "xx3210", "--321-"},
        {6, ChordType::MajorSeventh, false, "xx4321", "--4321"},
        {7, ChordType::MajorSeventh, false, "320002", "32---1"},
        {8, ChordType::MajorSeventh, false, "xx6543", "--4321"},
        {9, ChordType::MajorSeventh, false, "x02120", "--213-"},
        {10, ChordType::MajorSeventh, false, "x13231", "-13241"},
        {11, ChordType::MajorSeventh, false, "x24342", "-13241"},

        // 9: dominant ninth (1 3 b7 9, the fifth optional)
        {0, ChordType::Ninth, false, "x32333", "-21333"},
        {1, ChordType::Ninth, false, "x43444", "-21333"},
        {2, ChordType::Ninth, false, "x54555", "-21333"},
        {3, ChordType::Ninth, false, "x65666", "-21333"},
        {4, ChordType::Ninth, false, "020132", "-2-143"},
        {5, ChordType::Ninth, false, "131213", "131214"},
        {6, ChordType::Ninth, false, "242324", "131214"},
        {7, ChordType::Ninth, false, "3x0201", "3--2-1"},
        {8, ChordType::Ninth, false, "464546", "131214"},
        {9, ChordType::Ninth, false, "575657", "131214"},
        {10, ChordType::Ninth, false, "686768", "131214"},
        {11, ChordType::Ninth, false, "x21222", "-21333"},

        // 11: eleventh (1 b7 9 11, the third and the fifth optional)
        {0, ChordType::Eleventh, false, "x33333", "-11111"},
        {1, ChordType::Eleventh, false, "x44444", "-11111"},
        {2, ChordType::Eleventh, false, "xx0010", "----1-"},
        {3, ChordType::Eleventh, false, "x66666", "-11111"},
        {4, ChordType::Eleventh, false, "020202", "-1-2-3"},
        {5, ChordType::Eleventh, false, "111313", "111314"},
        {6, ChordType::Eleventh, false, "222424", "111314"},
        {7, ChordType::Eleventh, false, "333535", "111314"},
        {8, ChordType::Eleventh, false, "444646", "111314"},
        {9, ChordType::Eleventh, false, "x00000", "------"},
        {10, ChordType::Eleventh, false, "x11111", "-11111"},
        {11, ChordType::Eleventh, false, "x22222", "-11111"},

        // Diminuito: diminished seventh (1 b3 b5 bb7). Four roots share one picture, so
        // the shape is named after the note it has in the bass.
        {3, ChordType::Diminished, false, "xx1212", "--1324"},
        {4, ChordType::Diminished, false, "xx2323", "--1324"},
        {2, ChordType::Diminished, false, "xx0101", "---1-2"},

        // Minore (1 b3 5)
        {0, ChordType::Minor, false, "x35543", "-13421"},
        {1, ChordType::Minor, false, "x46654", "-13421"},
        {2, ChordType::Minor, false, "xx0231", "---231"},
        {3, ChordType::Minor, false, "x68876", "-13421"},
        {4, ChordType::Minor, false, "022000", "-23---"},
        {5, ChordType::Minor, false, "133111", "134111"},
        {6, ChordType::Minor, false, "244222", "134111"},
        {7, ChordType::Minor, false, "355333", "134111"},
        {8, ChordType::Minor, false, "466444", "134111"},
        {9, ChordType::Minor, false, "x02210", "--231-"},
        {10, ChordType::Minor, false, "x13321", "-13421"},
        {11, ChordType::Minor, false, "x24432", "-13421"},

        // Minore 6 (1 b3 5 6)
        {0, ChordType::MinorSixth, false, "x31213", "-31214"},
        {1, ChordType::MinorSixth, false, "x42324", "-31214"},
        {2, ChordType::MinorSixth, false, "xx0201", "---2-1"},
        {3, ChordType::MinorSixth, false, "x64546", "-31214"},
        {4, ChordType::MinorSixth, false, "022020", "-12-3-"},
        {5, ChordType::MinorSixth, false, "133131", "133141"},
        {6, ChordType::MinorSixth, false, "244242", "133141"},
        {7, ChordType::MinorSixth, false, "355353", "133141"},
        {8, ChordType::MinorSixth, false, "466464", "133141"},
        {9, ChordType::MinorSixth, false, "x02212", "--2314"},
        {10, ChordType::MinorSixth, false, "x13323", "-13324"},
        {11, ChordType::MinorSixth, false, "x20102", "-2-1-3"},

        // Minore 7 (1 b3 5 b7)
        {0, ChordType::MinorSeventh, false, "x35343", "-13121"},
        {1, ChordType::MinorSeventh, false, "x46454", "-13121"},
        {2, ChordType::MinorSeventh, false, "xx0211", "---211"},
        {3, ChordType::MinorSeventh, false, "x68676", "-13121"},
        {4, ChordType::MinorSeventh, false, "022030", "-12-3-"},
        {5, ChordType::MinorSeventh, false, "131111", "131111"},
        {6, ChordType::MinorSeventh, false, "242222", "131111"},
        {7, ChordType::MinorSeventh, false, "353333", "131111"},
        {8, ChordType::MinorSeventh, false, "464444", "131111"},
        {9, ChordType::MinorSeventh, false, "x02010", "--2-1-"},
        {10, ChordType::MinorSeventh, false, "x13121", "-13121"},
        {11, ChordType::MinorSeventh, false, "x20202", "-1-2-3"},

        // Second positions: the same chord further up the neck, mostly as a barre.
        {0, ChordType::Major, true, "x35553", "-12341"},
        {2, ChordType::Major, true, "x57775", "-12341"},
        {7, ChordType::Major, true, "355433", "134211"},
        {7, ChordType::MajorSeventh, true, "3x443x", "2-341-"},
        {7, ChordType::Seventh, true, "353433", "131211"},
        {7, ChordType::Sus4, true, "355533", "133311"},
        {2, ChordType::Seventh, true, "x57575", "-13141"},
        {2, ChordType::Sixth, true, "x57777", "-13333"},
        {9, ChordType::Eleventh, true, "555757", "111314"},
        {5, ChordType::Ninth, true, "x87888", "-21333"},
    };
    return table;
}

namespace {

const std::array<const char*, 12> kRootStems = {"do",         "do_diesis", "re",        "re_diesis",
                                                "mi",         "fa",        "fa_diesis", "sol",
                                                "sol_diesis", "la",        "la_diesis", "si"};

// The seventh chord is the one type whose part has no underscore after a plain root.
const std::array<const char*, 12> kTypeParts = {"",   "_4",  "_5piu", "_6",   "7",     "_7piu",
                                                "_9", "_11", "",      "_min", "_min6", "_min7"};

const std::array<const char*, 3> kDiminishedPictures = {"uno", "due", "tre"};

bool isSharpRoot(int root)
{
    return root == 1 || root == 3 || root == 6 || root == 8 || root == 10;
}

} // namespace

std::string pictureName(const Voicing& voicing)
{
    std::string stem;
    if (voicing.type == ChordType::Diminished) {
        // The four roots a minor third apart spell the same chord and share its picture.
        stem = kDiminishedPictures.at(voicing.root % 3);
    } else {
        stem = kRootStems.at(voicing.root);
        if (voicing.type == ChordType::Seventh && isSharpRoot(voicing.root))
            stem += "_";
        stem += kTypeParts.at(static_cast<int>(voicing.type));
    }
    if (voicing.secondPosition)
        stem += "_sec";
    return stem + ".gif";
}

const Voicing* voicingForPicture(std::string_view name)
{
    static const std::map<std::string, const Voicing*, std::less<>> byPicture = [] {
        std::map<std::string, const Voicing*, std::less<>> index;
        for (const Voicing& voicing : voicingTable())
            index.emplace(pictureName(voicing), &voicing);
        return index;
    }();
    const auto found = byPicture.find(name);
    return found == byPicture.end() ? nullptr : found->second;
}

} // namespace chords
