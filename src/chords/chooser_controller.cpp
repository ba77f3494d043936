#include "chords/chooser_controller.h"

#include "chords/chooser_view.h"
#include "chords/chord_catalogue.h"
#include "core/document_state.h"
#include "core/texts.h"

#include <QColor>

namespace {

const QString FingeringHint = QStringLiteral("Posizione delle dita per l'accordo ");

// secpos reads green while unticked and red while ticked.
const QColor UntickedColour(0, 128, 0);
const QColor TickedColour(255, 0, 0);

} // namespace

ChooserController::ChooserController(ChooserView& view, PendingPicture pendingPicture,
                                     const QString& programDir, QObject* parent)
    : QObject(parent), m_view(view), m_pendingPicture(std::move(pendingPicture)),
      m_programDir(programDir)
{
}

void ChooserController::noteClick(int root)
{
    selectionClick(Group::Note, root);
}

void ChooserController::toniClick(int type)
{
    selectionClick(Group::Toni, type);
}

// The six steps shared by both groups; the other group decides whether a chord
// is complete, and the group that completed it picks between the three names
// that differ.
void ChooserController::selectionClick(Group group, int index)
{
    (group == Group::Note ? m_chosen.root : m_chosen.type) = index;
    const bool otherSelected = (group == Group::Note ? m_chosen.type : m_chosen.root) >= 0;

    if (otherSelected) {
        m_chosen.blank = false;
        m_view.deselectBlank();
    }
    m_view.showSecondPositionBox(false);
    if (otherSelected) {
        const auto source =
            group == Group::Note ? chords::Source::NoteGroup : chords::Source::TypeGroup;
        m_chosen.name = chords::chordName(m_chosen.root, m_chosen.type, source);
        m_chosen.picture = chords::chordPicture(m_chosen.root, m_chosen.type);
        m_view.showChordName(m_chosen.name);
        m_pendingPicture(m_chosen.picture);
        m_view.showChordPicture(picturePath(m_chosen.picture));
    }
    if (chords::secondPosition(m_chosen.name)) {
        untickSecondPosition();
        m_view.showSecondPositionBox(true);
    }
    if (m_chosen.name != texts::NothingChosen) {
        const QString hint = FingeringHint + m_chosen.name;
        m_view.showChordHint(hint);
    }
    emit chordChanged();
}

void ChooserController::secposClick(bool ticked)
{
    m_chosen.secondPosition = ticked;
    setSecondPositionColour(ticked);
    if (const auto second = chords::secondPosition(m_chosen.name)) {
        m_chosen.picture = ticked ? second->secondPicture : second->firstPicture;
        m_pendingPicture(m_chosen.picture);
    }
    showPendingPicture();
    emit chordChanged();
}

void ChooserController::spazioClick()
{
    if (!m_view.blankSelected())
        return;
    m_chosen.blank = true;
    m_view.showChordHint(QString());
    m_view.clearChordPicture();
    m_chosen.root = m_chosen.type = -1;
    m_view.clearChordGroups();
    m_chosen.name = texts::Blank;
    m_view.showChordName(m_chosen.name);
    m_chosen.picture.clear();
    m_pendingPicture(m_chosen.picture);
    emit chordChanged();
}

void ChooserController::americanaClick(bool american)
{
    // Only the labels change: chord names stay in Italian notation.
    m_view.showNoteLabels(chords::noteLabels(american));
    m_american = american;
    emit notationChanged(american);
}

void ChooserController::untickSecondPosition()
{
    if (!m_chosen.secondPosition)
        return;
    m_view.untickSecondPositionBox(false);
    secposClick(false);
}

void ChooserController::leaveSecondPosition()
{
    m_view.showSecondPositionBox(false);
    untickSecondPosition();
}

void ChooserController::showEntry(const QString& line, bool blank, const QString& picture)
{
    m_chosen.picture = picture;
    m_pendingPicture(picture);
    if (blank) {
        m_chosen.name = texts::Blank;
        m_view.showChordName(m_chosen.name);
        m_view.clearChordPicture();
    } else {
        m_chosen.name = line;
        m_view.showChordName(m_chosen.name);
        m_view.showChordPicture(picturePath(picture));
    }
    m_chosen.root = m_chosen.type = -1;
    m_view.clearChordGroups();
    m_chosen.blank = false;
    m_view.deselectBlank();
    emit chordChanged();
}

void ChooserController::clearChoice()
{
    // Hints off: the fingering hint returns with the next chord chosen.
    m_view.showChordHint(QString());
    m_view.clearChordPicture();
    m_chosen.root = m_chosen.type = -1;
    m_view.clearChordGroups();
    m_chosen.name = texts::NothingChosen;
    m_chosen.picture.clear();
    m_view.showChordName(m_chosen.name);
    // Unticking runs the second-position handler when the box was ticked.
    m_view.untickSecondPositionBox(true);
    m_view.showSecondPositionBox(false);
    emit chordChanged();
}

QString ChooserController::pictureOnDisplay() const
{
    if (m_chosen.name == texts::NothingChosen || m_chosen.name == texts::Blank)
        return {};
    if (m_chosen.root >= 0 && m_chosen.type >= 0) {
        if (m_chosen.secondPosition) {
            if (const auto second = chords::secondPosition(m_chosen.name))
                return second->secondPicture;
        }
        return chords::chordPicture(m_chosen.root, m_chosen.type);
    }
    // A list entry on display: the picture it shows.
    const QString shown = m_view.chordPictureFile();
    return shown.isEmpty() ? QString() : document::fileNamePart(shown);
}

// Unlike the hint, which only a choice in the groups sets, the description a
// screen reader gives the picture follows every picture shown, a list entry's
// included; the chosen chord's name is set before its picture loads.
void ChooserController::describePicture()
{
    m_view.describeChordPicture(m_view.hasChordPicture() ? FingeringHint + m_chosen.name
                                                         : QStringLiteral("Nessun accordo"));
}

void ChooserController::setSecondPositionColour(bool ticked)
{
    m_view.colourSecondPositionBox(ticked ? TickedColour : UntickedColour);
}

// An empty pending picture (after the blank entry, or after a new list emptied
// every slot) leaves nothing to show: the view is emptied without a report.
void ChooserController::showPendingPicture()
{
    if (m_chosen.picture.isEmpty()) {
        m_view.clearChordPicture();
        return;
    }
    m_view.showChordPicture(picturePath(m_chosen.picture));
}

QString ChooserController::picturePath(const QString& fileName) const
{
    return chords::openablePicturePath(m_programDir, fileName);
}
