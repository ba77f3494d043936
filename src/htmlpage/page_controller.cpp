#include "htmlpage/page_controller.h"

#include "app/form1.h"

PageController::PageController(Form1& form) : QObject(&form), m_form(form) {}

void PageController::generatePage() {}
