#pragma once

#include <QObject>

class Form1;

// The chord chooser's handlers: the note and type groups, the blank entry, the
// second position and the notation box of the main window. The chooser shows
// the chosen chord and writes its picture name as the list's pending picture;
// it never changes the list entries, the list selection or the document state.
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

    // Unticks secpos as the toolkit does, running secposClick when the box was
    // ticked; an error of that handler ends the caller's handler too.
    void untickSecondPosition();

private:
    enum class Group { Note, Toni };

    void selectionClick(Group group);
    void describePicture();
    void setSecondPositionColour(bool ticked);
    void showPendingPicture();

    Form1& m_form;
};
