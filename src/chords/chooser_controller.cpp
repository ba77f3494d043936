#include "chords/chooser_controller.h"

#include "app/form1.h"
#include "chordlist/chord_list_editing.h"
#include "chordlist/chord_list_model.h"
#include "chords/chord_catalogue.h"
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
    auto bind = [this, &ctx](auto* sender, auto signal, void (ChooserController::*handler)()) {
        connectGuarded(sender, signal, this, ctx, &m_form, [this, handler] { (this->*handler)(); });
    };
    bind(m_form.note, &RadioGroup::clicked, &ChooserController::noteClick);
    bind(m_form.toni, &RadioGroup::clicked, &ChooserController::toniClick);
    bind(m_form.secpos, &QCheckBox::toggled, &ChooserController::secposClick);
    bind(m_form.spazio, &RadioButton::selected, &ChooserController::spazioClick);
    bind(m_form.americana, &QCheckBox::toggled, &ChooserController::americanaClick);
    connect(m_form.gif, &PictureView::pictureChanged, this, &ChooserController::describePicture);
    describePicture();
}

void ChooserController::noteClick()
{
    selectionClick(Group::Note);
}

void ChooserController::toniClick()
{
    selectionClick(Group::Toni);
}

// The six steps shared by both groups; the other group decides whether a chord
// is complete, and the group that completed it picks between the three names
// that differ.
void ChooserController::selectionClick(Group group)
{
    const int root = m_form.note->itemIndex();
    const int type = m_form.toni->itemIndex();
    const bool otherSelected = (group == Group::Note ? type : root) >= 0;
    ChordListModel& list = m_form.list();

    if (otherSelected)
        m_form.spazio->deselect();
    m_form.secpos->hide();
    if (otherSelected) {
        const auto source =
            group == Group::Note ? chords::Source::NoteGroup : chords::Source::TypeGroup;
        m_form.Panel1->setText(chords::chordName(root, type, source));
        list.setPendingPicture(chords::chordPicture(root, type));
        m_form.gif->load(chords::openablePicturePath(m_form.programDir(), list.pendingPicture()));
    }
    const QString caption = m_form.Panel1->text();
    if (chords::secondPosition(caption)) {
        untickSecondPosition();
        m_form.secpos->show();
    }
    if (caption != texts::NothingChosen) {
        const QString hint = FingeringHint + caption;
        m_form.gif->setToolTip(hint);
        m_form.Shape1->setToolTip(hint);
    }
}

void ChooserController::secposClick()
{
    const bool ticked = m_form.secpos->isChecked();
    setSecondPositionColour(ticked);
    if (const auto second = chords::secondPosition(m_form.Panel1->text()))
        m_form.list().setPendingPicture(ticked ? second->secondPicture : second->firstPicture);
    showPendingPicture();
}

void ChooserController::spazioClick()
{
    if (!m_form.spazio->isChecked())
        return;
    m_form.gif->setToolTip(QString());
    m_form.Shape1->setToolTip(QString());
    m_form.gif->clearPicture();
    m_form.note->setItemIndex(-1);
    m_form.toni->setItemIndex(-1);
    m_form.Panel1->setText(texts::Blank);
    m_form.list().setPendingPicture(QString());
}

void ChooserController::americanaClick()
{
    // Only the labels change: chord names stay in Italian notation.
    m_form.note->setItems(chords::noteLabels(m_form.americana->isChecked()));
}

void ChooserController::untickSecondPosition()
{
    if (!m_form.secpos->isChecked())
        return;
    {
        const QSignalBlocker blocker(m_form.secpos);
        m_form.secpos->setChecked(false);
    }
    secposClick();
}

// Unlike the hint, which only a choice in the groups sets, the description a
// screen reader gives the picture follows every picture shown, a list entry's
// included; the name panel already holds that chord when its picture loads.
void ChooserController::describePicture()
{
    m_form.gif->setAccessibleDescription(m_form.gif->hasPicture()
                                             ? FingeringHint + m_form.Panel1->text()
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
    const QString pending = m_form.list().pendingPicture();
    if (pending.isEmpty()) {
        m_form.gif->clearPicture();
        return;
    }
    m_form.gif->load(chords::openablePicturePath(m_form.programDir(), pending));
}
