#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class ChordListDocument;
class ChordSheet;
class QWidget;
struct AppContext;

// The commands that take the list out of the program: "Stampa..." (print preview),
// "Esporta PDF..." and "Esporta ChordPro...". An empty list is refused with the
// page's message; a list need not be saved to leave the program. Files are chosen in
// the program's save dialog and written whole or not at all.
class ExportController : public QObject
{
    Q_OBJECT
public:
    static inline const QString PrintTitle = QStringLiteral("Stampa...");
    static inline const QString PdfTitle = QStringLiteral("Esporta PDF...");
    static inline const QString ChordProTitle = QStringLiteral("Esporta ChordPro...");
    static inline const QString PdfFilter = QStringLiteral("Documento PDF (*.pdf)|*.pdf");
    static inline const QString ChordProFilter = QStringLiteral("Canzone ChordPro (*.cho)|*.cho");

    // Errors and questions are shown over window.
    ExportController(AppContext& ctx, ChordListDocument& document, QWidget* window);

    // The handlers; a file that cannot be written throws CorvaltoError to the
    // caller's guard.
    void print();
    void exportPdf();
    void exportChordPro();

    // Shows the sheet in the print preview, from which the user prints it; tests put
    // their own in its place.
    void setPreviewer(std::function<void(const ChordSheet&)> previewer)
    {
        m_previewer = std::move(previewer);
    }

private:
    bool refuseEmptyList();
    // The path the user chose, with the extension appended when it lacks it; nothing
    // when the dialog or the replace question was cancelled.
    std::optional<QString> chooseFile(const QString& title, const QString& filter,
                                      const QString& extension);
    void previewSheet(const ChordSheet& sheet);

    AppContext& m_ctx;
    ChordListDocument& m_document;
    QWidget* m_window;
    std::function<void(const ChordSheet&)> m_previewer;
};
