#include "export/export_controller.h"

#include "chordlist/chord_list_model.h"
#include "core/app_context.h"
#include "core/errors.h"
#include "core/module_symbol.h"
#include "core/prompts.h"
#include "documents/chord_list_document.h"
#include "export/chord_sheet.h"
#include "export/chordpro_writer.h"
#include "export/print_preview.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QWidget>

namespace {

const QString EmptyListMessage = QStringLiteral("Lista Vuota.");
const QString ExportFolder = QStringLiteral("liste");
const QString PdfExtension = QStringLiteral(".pdf");

// Writes bytes through write to path atomically: the previous file stays when
// anything fails.
void writeWhole(const QString& path, const std::function<bool(QSaveFile&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit())
        throw CorvaltoError::cannotCreate(path);
}

} // namespace

ExportController::ExportController(AppContext& ctx, ChordListDocument& document, QWidget* window)
    : QObject(window), m_ctx(ctx), m_document(document), m_window(window)
{
}

bool ExportController::refuseEmptyList()
{
    if (!m_document.entries().isEmpty())
        return false;
    m_ctx.prompts->information(m_window, EmptyListMessage);
    return true;
}

std::optional<QString> ExportController::chooseFile(const QString& title, const QString& filter,
                                                    const QString& extension)
{
    Prompts::FileDialog dialog;
    dialog.title = title;
    dialog.filter = filter;
    dialog.startFolder = ExportFolder;
    dialog.proposedName = m_document.title() + extension;
    dialog.overwritePrompt = true;
    const std::optional<QString> chosen = m_ctx.prompts->saveFileName(m_window, dialog);
    if (!chosen)
        return std::nullopt;
    // As for lists: the extension is appended unless the name ends with it exactly,
    // and a file only the appended extension hits is not replaced without asking.
    const QString path =
        QFileInfo(*chosen).fileName().endsWith(extension) ? *chosen : *chosen + extension;
    if (path != *chosen && QFileInfo::exists(path)) {
        const QString question = QStringLiteral("Il file %1 esiste già.\nSostituirlo?").arg(path);
        if (m_ctx.prompts->question(m_window, question, false) != Prompts::Answer::Yes)
            return std::nullopt;
    }
    return path;
}

void ExportController::print()
{
    if (refuseEmptyList())
        return;
    const ChordSheet sheet(m_document.snapshot());
    if (m_previewer)
        m_previewer(sheet);
    else
        previewSheet(sheet);
}

void ExportController::previewSheet(const ChordSheet& sheet)
{
    // Throws the loader's message when the module cannot be loaded.
    static ModuleFunction run(QStringLiteral("libcorvalto_print.so"), CORVALTO_PRINT_ENTRY);
    reinterpret_cast<RunPrintPreview>(run.function())(
        m_document.title(), m_window,
        [](QPagedPaintDevice& device) { ChordSheet::setUpPage(device); },
        [&sheet](QPagedPaintDevice& device) { sheet.print(device); });
}

void ExportController::exportPdf()
{
    if (refuseEmptyList())
        return;
    const std::optional<QString> path = chooseFile(PdfTitle, PdfFilter, PdfExtension);
    if (!path)
        return;
    const ChordSheet sheet(m_document.snapshot());
    writeWhole(*path, [&sheet](QSaveFile& file) { return sheet.writePdf(file); });
}

void ExportController::exportChordPro()
{
    if (refuseEmptyList())
        return;
    const std::optional<QString> path =
        chooseFile(ChordProTitle, ChordProFilter, chordpro::Extension);
    if (!path)
        return;
    const QByteArray song = chordpro::songBytes(m_document.snapshot());
    writeWhole(*path, [&song](QSaveFile& file) { return file.write(song) == song.size(); });
}
