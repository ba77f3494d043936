#include "chords/fingerings_panel.h"
#include "chords/fingerings_window.h"
#include "chords/which_chord_page.h"

extern "C" Q_DECL_EXPORT FingeringsPanel* corvaltoCreateFingeringsPanel()
{
    auto* window = new FingeringsWindow;
    WhichChordPage::addTo(*window);
    return window;
}
