#pragma once

#include <QObject>

class Form1;

// The chord chooser's handlers: the note and type groups, the blank entry, the
// second position and the notation box of the main window.
class ChooserController : public QObject
{
    Q_OBJECT
public:
    explicit ChooserController(Form1& form);

    void noteClick();
    void toniClick();
    void secposClick();
    void spazioClick();
    void americanaClick();

private:
    Form1& m_form;
};
