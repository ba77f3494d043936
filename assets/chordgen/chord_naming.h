#pragma once

#include "chords/voicing_table.h"

#include <string>

using chords::ChordType;
using chords::Voicing;

// The root's label in Italian notation, "DO# / REb" for a sharp root.
std::string rootLabel(int root);

// The label of the chord type as the type selector shows it: "Maggiore", "5+", "Minore 7".
std::string typeLabel(ChordType type);
