#pragma once

class QWidget;

// Places a top-level window in the middle of the screen it is on (the primary
// screen before it is first shown).
void centreOnScreen(QWidget* window);
