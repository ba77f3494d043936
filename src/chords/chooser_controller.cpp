#include "chords/chooser_controller.h"

#include "app/form1.h"

ChooserController::ChooserController(Form1& form) : QObject(&form), m_form(form) {}

void ChooserController::noteClick() {}
void ChooserController::toniClick() {}
void ChooserController::secposClick() {}
void ChooserController::spazioClick() {}
void ChooserController::americanaClick() {}
