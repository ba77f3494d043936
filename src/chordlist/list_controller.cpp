#include "chordlist/list_controller.h"

#include "app/form1.h"

ListController::ListController(Form1& form) : QObject(&form), m_form(form) {}

void ListController::add() {}
void ListController::insert() {}
void ListController::remove() {}
void ListController::clear() {}
void ListController::select(int) {}
