#include "documents/list_controller.h"

#include "chordlist/chord_list_editing.h"
#include "chordlist/chord_list_model.h"
#include "chordlist/list_view.h"
#include "chords/chooser_controller.h"
#include "core/app_context.h"
#include "core/prompts.h"
#include "core/texts.h"
#include "documents/chord_list_document.h"
#include "documents/document_controller.h"
#include "shell/guard.h"

#include <QWidget>

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

ListController::ListController(AppContext& ctx, ChordListDocument& document,
                               DocumentController& documents, ChooserController& chooser,
                               ListView& view, QWidget* window)
    : QObject(window), m_ctx(ctx), m_document(document), m_documents(documents),
      m_list(document.entries()), m_chooser(chooser), m_view(view), m_window(window)
{
}

void ListController::rowHighlighted(int row)
{
    if (m_list.isChanging())
        return;
    guarded(m_ctx, m_window, [this, row] { select(row); });
}

void ListController::add()
{
    ChordListModel& list = m_list;
    if (list.isFull()) {
        inform(ListFull);
        return;
    }
    const ChosenChord& chosen = m_chooser.chosen();
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
    m_view.showEntryCount(list.count());
    m_documents.markModified();
}

void ListController::insert()
{
    ChordListModel& list = m_list;
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
    const QString caption = m_chooser.chosen().name;
    if (caption == texts::NothingChosen)
        return;
    const QString line = listediting::entryLine(caption);
    list.insertEntry(k, line, listediting::insertedPicture(list, k, line, caption));
    // The selection keeps denoting the entry that was selected, so repeated
    // inserts go in order before it.
    list.setSelectedPos(k + 1);
    m_view.showEntryCount(list.count());
    showSelectedPosition();
    m_documents.markModified();
}

void ListController::remove()
{
    ChordListModel& list = m_list;
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
    m_view.showEntryCount(list.count());
    list.setEntrySelected(false);
    m_view.enableSelectedNumber(false);
    m_view.showSelectedNumber(0);
    // No entry is selected now, and the list shows none highlighted.
    m_view.clearListHighlight();
    m_documents.markModified();
}

void ListController::clear()
{
    ChordListModel& list = m_list;
    if (!m_document.state().listFromFile && list.isEmpty())
        inform(AlreadyEmpty);
    list.setEntrySelected(false);
    m_view.showSelectedNumber(0);
    m_view.enableSelectedNumber(false);
    m_view.showEntryCount(0);
    list.clearEntries();
    list.setSelectedPos(0);
    m_document.setFromFile(false);
}

void ListController::select(int row)
{
    ChordListModel& list = m_list;
    if (!list.isEntry(row))
        return;
    m_chooser.leaveSecondPosition();
    list.setEntrySelected(true);
    m_view.enableSelectedNumber(true);
    list.setSelectedPos(row);
    showSelectedPosition();

    // The entry on display becomes the chord that a following Add or Insert
    // takes, with its own picture.
    const QString line = list.line(row);
    m_chooser.showEntry(line, line == ChordListModel::BlankLine, list.picture(row));
}

void ListController::forgetSelection()
{
    m_list.setEntrySelected(false);
    m_view.enableSelectedNumber(false);
    m_view.clearListHighlight();
}

void ListController::inform(const QString& text)
{
    m_ctx.prompts->information(m_window, text);
}

void ListController::showSelectedPosition()
{
    m_view.showSelectedNumber(m_list.selectedPos() + 1);
}
