#include "chords/fingerings_panel.h"
#include "chords/fingerings_window.h"

extern "C" Q_DECL_EXPORT FingeringsPanel* corvaltoCreateFingeringsPanel()
{
    return new FingeringsWindow;
}
