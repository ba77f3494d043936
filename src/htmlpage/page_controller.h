#pragma once

#include <QObject>

class Form1;

// The "Pagina Html" command of the main window (its button and Esc).
class PageController : public QObject
{
    Q_OBJECT
public:
    explicit PageController(Form1& form);

    void generatePage();

private:
    Form1& m_form;
};
