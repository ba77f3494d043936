#pragma once

#include "voicing_table.h"

#include <string>

// The root's label in Italian notation, "DO# / REb" for a sharp root.
std::string rootLabel(int root);

// The label of the chord type as the type selector shows it: "Maggiore", "5+", "Minore 7".
std::string typeLabel(ChordType type);

// The bare file name of the voicing's picture in imm/, such as "do_diesis_7.gif",
// "sol7_sec.gif" or, for a diminished chord, the shared "uno.gif", "due.gif" or "tre.gif".
std::string pictureName(const Voicing& voicing);
