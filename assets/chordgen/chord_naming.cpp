#include "chord_naming.h"

#include <array>

namespace {

const std::array<const char*, 12> kRootLabels = {
    "DO",         "DO# / REb", "RE",         "RE# / MIb", "MI",        "FA",
    "FA# / SOLb", "SOL",       "SOL# / LAb", "LA",        "LA# / SIb", "SI"};

const std::array<const char*, 12> kRootStems = {"do",         "do_diesis", "re",        "re_diesis",
                                                "mi",         "fa",        "fa_diesis", "sol",
                                                "sol_diesis", "la",        "la_diesis", "si"};

const std::array<const char*, 12> kTypeLabels = {"Maggiore",  "4",      "5+",       "6",
                                                 "7",         "7+",     "9",        "11",
                                                 "Diminuito", "Minore", "Minore 6", "Minore 7"};

// The seventh chord is the one type whose part has no underscore after a plain root.
const std::array<const char*, 12> kTypeParts = {"",   "_4",  "_5piu", "_6",   "7",     "_7piu",
                                                "_9", "_11", "",      "_min", "_min6", "_min7"};

const std::array<const char*, 3> kDiminishedPictures = {"uno", "due", "tre"};

bool isSharpRoot(int root)
{
    return root == 1 || root == 3 || root == 6 || root == 8 || root == 10;
}

} // namespace

std::string rootLabel(int root)
{
    return kRootLabels.at(root);
}

std::string typeLabel(ChordType type)
{
    return kTypeLabels.at(static_cast<int>(type));
}

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
