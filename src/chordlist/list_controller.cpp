#include "chordlist/list_controller.h"

#include "app/form1.h"
#include "chordlist/chord_list_editing.h"
#include "chordlist/chord_list_model.h"
#include "chords/chooser_controller.h"
#include "chords/chord_catalogue.h"
#include "core/prompts.h"
#include "core/texts.h"
#include "ui/guard.h"
#include "ui/picture_view.h"
#include "ui/radio_button.h"
#include "ui/radio_group.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

namespace {

const QString ListFull = QStringLiteral("La lista non può contenere più di 300 elementi!");
const QString ChooseChordFirst = QStringLiteral("Selezionare prima un accordo da aggiungere!");
const QString ChooseTypeFirst = QStringLiteral("Scegliere prima una tonalità!");
const QString ChooseRootFirst = QStringLiteral("Scegliere prima una nota!");
const QString ChoosePositionFirst =
    QStringLiteral("Selezionare prima la posizione in cui inserire l'accordo!");
const QString ChooseEntryToRemove = QStringLiteral("Selezionare prima un accordo da rimuovere!");
const QString AlreadyEmpty = QStringLiteral("Lista già vuota!");

} // namespace

ListController::ListController(Form1& form) : QObject(&form), m_form(form), m_listBox(form.ListBox1)
{
    AppContext& ctx = m_form.context();
    auto bind = [this, &ctx](QPushButton* button, void (ListController::*handler)()) {
        connectGuarded(button, &QPushButton::clicked, this, ctx, &m_form,
                       [this, handler] { (this->*handler)(); });
    };
    bind(m_form.Button1, &ListController::add);
    bind(m_form.Button4, &ListController::insert);
    bind(m_form.Button2, &ListController::remove);
    bind(m_form.Button3, &ListController::clear);

    // Mouse clicks and the list's keyboard navigation both end in a selection change.
    connect(m_form.ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) {
                selectionChanged(selected);
            });
    m_listBox->installEventFilter(this);
}

bool ListController::eventFilter(QObject* watched, QEvent* event)
{
    // Only the event is looked at first: the filter also sees the list's last
    // events while the window is being destroyed.
    if (event->type() == QEvent::KeyPress && watched == m_listBox &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        guarded(m_form.context(), &m_form, [this] { remove(); });
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ListController::selectionChanged(const QItemSelection& selected)
{
    // A view moves its selection by itself while lines are inserted, removed or
    // replaced; only a line the user selects runs Select.
    if (m_form.list().isChanging() || selected.indexes().isEmpty())
        return;
    const int row = selected.indexes().constFirst().row();
    guarded(m_form.context(), &m_form, [this, row] { select(row); });
}

void ListController::add()
{
    ChordListModel& list = m_form.list();
    if (list.isFull()) {
        inform(ListFull);
        return;
    }
    const ChosenChord& chosen = m_form.chooser().chosen();
    const QString caption = chosen.name;
    if (caption == texts::NothingChosen) {
        inform(ChooseChordFirst);
        return;
    }
    if (caption == texts::Blank) {
        // The blank caption with only one group selected is a chord half chosen.
        if (chosen.root >= 0) {
            inform(ChooseTypeFirst);
            return;
        }
        if (chosen.type >= 0) {
            inform(ChooseRootFirst);
            return;
        }
    }
    const QString line = listediting::entryLine(caption);
    list.appendEntry(line, listediting::appendedPicture(list, line, caption));
    m_form.showEntryCount();
    m_form.markModified();
}

void ListController::insert()
{
    ChordListModel& list = m_form.list();
    // After another list was opened the selected position may name no entry.
    const int k = list.selectedPos();
    if (!list.entrySelected() || !list.isEntry(k)) {
        inform(ChoosePositionFirst);
        return;
    }
    if (list.isFull()) {
        inform(ListFull);
        return;
    }
    const QString caption = m_form.chooser().chosen().name;
    if (caption == texts::NothingChosen)
        return;
    const QString line = listediting::entryLine(caption);
    list.insertEntry(k, line, listediting::insertedPicture(list, k, line, caption));
    // The selection keeps denoting the entry that was selected, so repeated
    // inserts go in order before it.
    list.setSelectedPos(k + 1);
    m_form.showEntryCount();
    showSelectedPosition();
    m_form.markModified();
}

void ListController::remove()
{
    ChordListModel& list = m_form.list();
    if (!list.entrySelected()) {
        inform(ChooseEntryToRemove);
        return;
    }
    if (list.isEmpty())
        return;
    const int k = list.selectedPos();
    if (!list.isEntry(k)) {
        inform(ChooseEntryToRemove);
        return;
    }
    list.removeEntry(k);
    list.setSelectedPos(k - 1);
    m_form.showEntryCount();
    list.setEntrySelected(false);
    m_form.Edit2->setEnabled(false);
    m_form.Edit2->setText(QStringLiteral("0"));
    // No entry is selected now, and the list shows none highlighted.
    m_form.ListBox1->selectionModel()->clear();
    m_form.markModified();
}

void ListController::clear()
{
    ChordListModel& list = m_form.list();
    if (!m_form.document().listFromFile && list.isEmpty())
        inform(AlreadyEmpty);
    m_form.ProgressBar1->setValue(0);
    list.setEntrySelected(false);
    m_form.Edit2->setText(QStringLiteral("0"));
    m_form.Edit2->setEnabled(false);
    m_form.Edit3->setText(QStringLiteral("0"));
    list.clearEntries();
    list.setSelectedPos(0);
    m_form.listDocument().setFromFile(false);
}

void ListController::select(int row)
{
    ChordListModel& list = m_form.list();
    if (!list.isEntry(row))
        return;
    m_form.secpos->hide();
    m_form.chooser().untickSecondPosition();
    list.setEntrySelected(true);
    m_form.Edit2->setEnabled(true);
    list.setSelectedPos(row);
    showSelectedPosition();

    // The entry on display becomes the chord that a following Add or Insert
    // takes, with its own picture.
    m_form.chooser().showEntry(list.line(row), list.picture(row));
}

void ListController::forgetSelection()
{
    m_form.list().setEntrySelected(false);
    m_form.Edit2->setEnabled(false);
    m_listBox->selectionModel()->clear();
}

void ListController::inform(const QString& text)
{
    m_form.context().prompts->information(&m_form, text);
}

void ListController::showSelectedPosition()
{
    m_form.Edit2->setText(QString::number(m_form.list().selectedPos() + 1));
}
