#pragma once

#include "core/texts.h"

#include <QString>

// The chord on display in the main window's chooser: a chord picked in the note
// and type groups, the blank entry, or a list entry selected.
struct ChosenChord
{
    // The items selected in the note and type groups; -1 while none is.
    int root = -1;
    int type = -1;
    // The blank entry ("Spazio Vuoto") is selected.
    bool blank = false;
    // The second-position box is ticked.
    bool secondPosition = false;
    // The name on display: "Scegli" while nothing is chosen, "Spazio Vuoto" for
    // a blank, a list entry's text while one is selected.
    QString name = texts::NothingChosen;
    // The bare picture file name the next added entry takes over (the list's
    // pending picture); empty for a blank and while nothing is chosen.
    QString picture;
};
