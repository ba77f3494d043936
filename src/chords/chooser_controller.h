#pragma once

#include "chords/chosen_chord.h"

#include <QObject>

#include <functional>

class ChooserView;

// The chord chooser's handlers: the note and type groups, the blank entry, the
// second position and the notation box of the main window. The chooser holds
// the chosen chord, shows it and writes its picture name as the list's pending
// picture; it never changes the list entries, the list selection or the
// document state.
class ChooserController : public QObject
{
    Q_OBJECT
public:
    // Sets the list's pending picture.
    using PendingPicture = std::function<void(const QString&)>;

    // programDir is the folder of imm/, with its trailing "/".
    ChooserController(ChooserView& view, PendingPicture pendingPicture, const QString& programDir,
                      QObject* parent = nullptr);

    void noteClick(int root);
    void toniClick(int type);
    void secposClick(bool ticked);
    void spazioClick();
    void americanaClick(bool american);
    // The description a screen reader gives the picture follows every picture shown.
    void describePicture();

    const ChosenChord& chosen() const { return m_chosen; }
    // Unticks secpos as the toolkit does, running secposClick when the box was
    // ticked; an error of that handler ends the caller's handler too.
    void untickSecondPosition();
    // Hides secpos, then unticks it as untickSecondPosition does.
    void leaveSecondPosition();
    // A list entry (its line, or blank) becomes the chord on display,
    // with its picture as the pending picture; the groups and the blank entry
    // are deselected.
    void showEntry(const QString& line, bool blank, const QString& picture);
    // Nothing is chosen any more and the picture goes (a new list, whose
    // pictures are emptied already).
    void clearChoice();
    // The bare picture file name of the chord on display, which the next added
    // entry takes over.
    QString pictureOnDisplay() const;
    bool americanNotation() const { return m_american; }

signals:
    // After every handler that changed the chord or the picture on display.
    void chordChanged();
    void notationChanged(bool american);

private:
    enum class Group { Note, Toni };

    void selectionClick(Group group, int index);
    void setSecondPositionColour(bool ticked);
    void showPendingPicture();
    QString picturePath(const QString& fileName) const;

    ChooserView& m_view;
    PendingPicture m_pendingPicture;
    QString m_programDir;
    ChosenChord m_chosen;
    bool m_american = false;
};
