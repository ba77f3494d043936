#include "chords/chooser_controller.h"

#include "app/form1.h"
#include "chordlist/chord_list_editing.h"
#include "chordlist/chord_list_model.h"
#include "chords/chord_catalogue.h"
#include "core/document_state.h"
#include "core/texts.h"
#include "ui/guard.h"
#include "ui/picture_view.h"
#include "ui/radio_button.h"
#include "ui/radio_group.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QSignalBlocker>

namespace {

const QString FingeringHint = QStringLiteral("Posizione delle dita per l'accordo ");

// secpos reads green while unticked and red while ticked.
const QColor UntickedColour(0, 128, 0);
const QColor TickedColour(255, 0, 0);

} // namespace

ChooserController::ChooserController(Form1& form) : QObject(&form), m_form(form)
{
    AppContext& ctx = m_form.context();
    auto bind = [this, &ctx](auto* sender, auto signal, auto handler) {
        connectGuarded(sender, signal, this, ctx, &m_form,
                       [this, handler](auto... args) { (this->*handler)(args...); });
    };
    bind(m_form.note, &RadioGroup::clicked, &ChooserController::noteClick);
    bind(m_form.toni, &RadioGroup::clicked, &ChooserController::toniClick);
    bind(m_form.secpos, &QCheckBox::toggled, &ChooserController::secposClick);
    bind(m_form.spazio, &RadioButton::selected, &ChooserController::spazioClick);
    bind(m_form.americana, &QCheckBox::toggled, &ChooserController::americanaClick);
    connect(m_form.gif, &PictureView::pictureChanged, this, &ChooserController::describePicture);
    describePicture();
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
        m_form.spazio->deselect();
    }
    m_form.secpos->hide();
    if (otherSelected) {
        const auto source =
            group == Group::Note ? chords::Source::NoteGroup : chords::Source::TypeGroup;
        m_chosen.name = chords::chordName(m_chosen.root, m_chosen.type, source);
        m_chosen.picture = chords::chordPicture(m_chosen.root, m_chosen.type);
        m_form.Panel1->setText(m_chosen.name);
        m_form.list().setPendingPicture(m_chosen.picture);
        m_form.gif->load(chords::openablePicturePath(m_form.programDir(), m_chosen.picture));
    }
    if (chords::secondPosition(m_chosen.name)) {
        untickSecondPosition();
        m_form.secpos->show();
    }
    if (m_chosen.name != texts::NothingChosen) {
        const QString hint = FingeringHint + m_chosen.name;
        m_form.gif->setToolTip(hint);
        m_form.Shape1->setToolTip(hint);
    }
}

void ChooserController::secposClick(bool ticked)
{
    m_chosen.secondPosition = ticked;
    setSecondPositionColour(ticked);
    if (const auto second = chords::secondPosition(m_chosen.name)) {
        m_chosen.picture = ticked ? second->secondPicture : second->firstPicture;
        m_form.list().setPendingPicture(m_chosen.picture);
    }
    showPendingPicture();
}

void ChooserController::spazioClick()
{
    if (!m_form.spazio->isChecked())
        return;
    m_chosen.blank = true;
    m_form.gif->setToolTip(QString());
    m_form.Shape1->setToolTip(QString());
    m_form.gif->clearPicture();
    m_chosen.root = m_chosen.type = -1;
    m_form.note->setItemIndex(-1);
    m_form.toni->setItemIndex(-1);
    m_chosen.name = texts::Blank;
    m_form.Panel1->setText(m_chosen.name);
    m_chosen.picture.clear();
    m_form.list().setPendingPicture(m_chosen.picture);
}

void ChooserController::americanaClick(bool american)
{
    // Only the labels change: chord names stay in Italian notation.
    m_form.note->setItems(chords::noteLabels(american));
}

void ChooserController::untickSecondPosition()
{
    if (!m_chosen.secondPosition)
        return;
    {
        const QSignalBlocker blocker(m_form.secpos);
        m_form.secpos->setChecked(false);
    }
    secposClick(false);
}

void ChooserController::showEntry(const QString& line, const QString& picture)
{
    m_chosen.picture = picture;
    m_form.list().setPendingPicture(picture);
    if (line == ChordListModel::BlankLine) {
        m_chosen.name = texts::Blank;
        m_form.Panel1->setText(m_chosen.name);
        m_form.gif->clearPicture();
    } else {
        m_chosen.name = line;
        m_form.Panel1->setText(m_chosen.name);
        m_form.gif->load(chords::openablePicturePath(m_form.programDir(), picture));
    }
    m_chosen.root = m_chosen.type = -1;
    m_form.note->setItemIndex(-1);
    m_form.toni->setItemIndex(-1);
    m_chosen.blank = false;
    m_form.spazio->deselect();
}

void ChooserController::clearChoice()
{
    // Hints off: the fingering hint returns with the next chord chosen.
    m_form.gif->setToolTip(QString());
    m_form.Shape1->setToolTip(QString());
    m_form.gif->clearPicture();
    m_chosen.root = m_chosen.type = -1;
    m_form.note->setItemIndex(-1);
    m_form.toni->setItemIndex(-1);
    m_chosen.name = texts::NothingChosen;
    m_chosen.picture.clear();
    m_form.Panel1->setText(m_chosen.name);
    // Unticking runs the second-position handler when the box was ticked.
    m_form.secpos->setChecked(false);
    m_form.secpos->hide();
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
    const QString shown = m_form.gif->fileName();
    return shown.isEmpty() ? QString() : document::fileNamePart(shown);
}

// Unlike the hint, which only a choice in the groups sets, the description a
// screen reader gives the picture follows every picture shown, a list entry's
// included; the chosen chord's name is set before its picture loads.
void ChooserController::describePicture()
{
    m_form.gif->setAccessibleDescription(m_form.gif->hasPicture()
                                             ? FingeringHint + m_chosen.name
                                             : QStringLiteral("Nessun accordo"));
}

void ChooserController::setSecondPositionColour(bool ticked)
{
    const QColor colour = ticked ? TickedColour : UntickedColour;
    m_form.secpos->setStyleSheet(
        QStringLiteral("QCheckBox { background: white; color: %1; }").arg(colour.name()));
}

// An empty pending picture (after the blank entry, or after a new list emptied
// every slot) leaves nothing to show: the view is emptied without a report.
void ChooserController::showPendingPicture()
{
    if (m_chosen.picture.isEmpty()) {
        m_form.gif->clearPicture();
        return;
    }
    m_form.gif->load(chords::openablePicturePath(m_form.programDir(), m_chosen.picture));
}
