#include "documents/transpose_controller.h"

#include "chordlist/chord_list_model.h"
#include "core/app_context.h"
#include "core/prompts.h"
#include "documents/chord_list_document.h"
#include "documents/document_controller.h"
#include "documents/transpose_dialog.h"
#include "shell/guard.h"

namespace {

const QString EmptyListMessage = QStringLiteral("Lista Vuota.");

QStringList picturesOf(const ChordListModel& list)
{
    QStringList pictures;
    pictures.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        pictures.append(list.picture(i));
    return pictures;
}

} // namespace

TransposeController::TransposeController(AppContext& ctx, ChordListDocument& document,
                                         DocumentController& documents, QWidget* window)
    : QObject(window), m_ctx(ctx), m_document(document), m_documents(documents), m_window(window)
{
}

void TransposeController::transposeCommand()
{
    if (m_document.entries().isEmpty()) {
        m_ctx.prompts->information(m_window, EmptyListMessage);
        return;
    }
    if (!m_dialog) {
        m_dialog = new TransposeDialog(m_window);
        m_dialog->setObjectName(QStringLiteral("TrasponiLista"));
        connectGuarded(m_dialog, &TransposeDialog::intervalChanged, this, m_ctx, m_dialog,
                       [this](int semitones) { showPreview(semitones); });
        connectGuarded(m_dialog, &TransposeDialog::transposeRequested, this, m_ctx, m_window,
                       [this](int semitones) { transpose(semitones); });
    }
    m_dialog->reset();
    showPreview(m_dialog->semitones());
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TransposeController::showPreview(int semitones)
{
    const ChordListModel& list = m_document.entries();
    const chordlist::Transposition result =
        m_transposer.preview(list.lines(), picturesOf(list), semitones);
    // The first chords, blanks left out.
    QStringList lines;
    int chords = 0;
    for (qsizetype i = 0; i < result.lines.size(); ++i) {
        if (list.line(static_cast<int>(i)) == ChordListModel::BlankLine)
            continue;
        if (++chords <= PreviewEntries)
            lines << QStringLiteral("%1 -> %2")
                         .arg(list.line(static_cast<int>(i)), result.lines.at(i));
    }
    m_dialog->showPreview(lines, std::max(0, chords - PreviewEntries), result.unrecognised);
}

void TransposeController::transpose(int semitones)
{
    ChordListModel& list = m_document.entries();
    const QStringList linesBefore = list.lines();
    const QStringList picturesBefore = picturesOf(list);
    m_transposer.transposeList(list, semitones);
    if (list.lines() != linesBefore || picturesOf(list) != picturesBefore)
        m_documents.markModified();
}
