#include "chord_naming.h"

#include <array>

namespace {

const std::array<const char*, 12> kRootLabels = {
    "DO",         "DO# / REb", "RE",         "RE# / MIb", "MI",        "FA",
    "FA# / SOLb", "SOL",       "SOL# / LAb", "LA",        "LA# / SIb", "SI"};

const std::array<const char*, 12> kTypeLabels = {"Maggiore",  "4",      "5+",       "6",
                                                 "7",         "7+",     "9",        "11",
                                                 "Diminuito", "Minore", "Minore 6", "Minore 7"};

} // namespace

std::string rootLabel(int root)
{
    return kRootLabels.at(root);
}

std::string typeLabel(ChordType type)
{
    return kTypeLabels.at(static_cast<int>(type));
}
