#pragma once

#include "chords/strum_synth.h"

#include <QString>

#include <array>
#include <functional>

class QWidget;

namespace chords {
// The MIDI pitch each string sounds, low MI string first; -1 for a muted one.
using Pitches = std::array<int, StringCount>;
} // namespace chords

// What the program asks of the window "Diteggiature". The window, the fingering engine and
// the diagrams' drawing live in a module (libcorvalto_fingerings.so) that the program loads
// when the window is first opened, so that start-up maps none of their code.
class FingeringsPanel
{
public:
    using StrumHandler = std::function<void(const chords::Pitches&)>;
    using ChordHandler = std::function<void(int root, int type)>;

    virtual ~FingeringsPanel() = default;

    virtual QWidget* widget() = 0;
    // The chord on display in the main window: its name as the name panel shows it and the
    // bare file name of its picture.
    virtual void showChord(const QString& name, const QString& picture) = 0;
    // The main window's "Notazione Americana".
    virtual void setAmericanNotation(bool american) = 0;
    // Shows the window, or brings it forward when it is shown already.
    virtual void showWindow() = 0;
    // Plays what a diagram strummed sounds: the pitches of its strings, -1 for a muted one.
    virtual void setStrumHandler(StrumHandler handler) = 0;
    // Shows a chord of the catalogue in the main window as if its root and then its type
    // were picked there: a page's answer the user chose (root 0 DO ... 11 SI).
    virtual void setChordHandler(ChordHandler handler) = 0;
};

// The module's one entry point: a new window, hidden, with the choices of the last run.
extern "C" {
using CreateFingeringsPanel = FingeringsPanel* (*)();
}
#define CORVALTO_FINGERINGS_ENTRY "corvaltoCreateFingeringsPanel"
