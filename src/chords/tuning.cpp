#include "chords/tuning.h"

namespace chords {

const std::vector<Tuning>& tunings()
{
    // MIDI pitches: MI2 = 40, LA2 = 45, RE3 = 50, SOL3 = 55, SI3 = 59, MI4 = 64.
    static const std::vector<Tuning> all = {
        {"standard", "Standard", {40, 45, 50, 55, 59, 64}, {"MI", "la", "re", "sol", "si", "mi"}},
        {"halfdown",
         "Mezzo tono sotto",
         {39, 44, 49, 54, 58, 63},
         {"MIb", "lab", "reb", "solb", "sib", "mib"}},
        {"dropd", "Drop D", {38, 45, 50, 55, 59, 64}, {"RE", "la", "re", "sol", "si", "mi"}},
        {"dadgad", "DADGAD", {38, 45, 50, 55, 57, 62}, {"RE", "la", "re", "sol", "la", "re"}},
        {"openg", "Open G", {38, 43, 50, 55, 59, 62}, {"RE", "sol", "re", "sol", "si", "re"}},
        {"opend", "Open D", {38, 45, 50, 54, 57, 62}, {"RE", "la", "re", "fa#", "la", "re"}},
    };
    return all;
}

const Tuning* findTuning(std::string_view id)
{
    for (const Tuning& tuning : tunings()) {
        if (id == tuning.id)
            return &tuning;
    }
    return nullptr;
}

const Tuning& standardTuning()
{
    return tunings().front();
}

} // namespace chords
