#pragma once

#include <QString>
#include <QStringList>

class QColor;

// What the chord chooser shows in the main window: the chosen chord's name, its
// fingering picture with hint and description, the note and type groups, the
// blank entry and the second-position box.
class ChooserView
{
public:
    virtual ~ChooserView() = default;

    virtual void showChordName(const QString& name) = 0;
    // Throws CorvaltoError when the picture cannot be shown.
    virtual void showChordPicture(const QString& path) = 0;
    virtual void clearChordPicture() = 0;
    virtual bool hasChordPicture() const = 0;
    // The file of the picture shown, with its folder; empty when none.
    virtual QString chordPictureFile() const = 0;
    // The hint of the picture and its white frame.
    virtual void showChordHint(const QString& hint) = 0;
    // What a screen reader gives as the picture's description.
    virtual void describeChordPicture(const QString& description) = 0;
    // No item of the note and type groups selected; no handler runs.
    virtual void clearChordGroups() = 0;
    virtual void showNoteLabels(const QStringList& labels) = 0;
    virtual bool blankSelected() const = 0;
    virtual void deselectBlank() = 0;
    virtual void showSecondPositionBox(bool shown) = 0;
    // Unticks the box; its handler runs when notify is true and it was ticked.
    virtual void untickSecondPositionBox(bool notify) = 0;
    virtual void colourSecondPositionBox(const QColor& colour) = 0;
};
