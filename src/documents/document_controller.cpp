#include "documents/document_controller.h"

#include "app/form1.h"

DocumentController::DocumentController(Form1& form) : QObject(&form), m_form(form) {}

void DocumentController::newList() {}
void DocumentController::openList() {}
void DocumentController::saveList() {}
void DocumentController::saveListAs() {}
void DocumentController::openRecent(int) {}
void DocumentController::showRecentFiles() {}

void DocumentController::saveListOrSaveAs()
{
    if (m_form.document().listHasFile)
        saveList();
    else
        saveListAs();
}
