#pragma once

#include "chordlist/list_transposer.h"

#include <QObject>

class ChordListDocument;
class DocumentController;
class TransposeDialog;
class QWidget;
struct AppContext;

// "Trasponi lista...": refuses an empty list with the page's message, otherwise shows
// the dialog, keeps its preview up to date and transposes the list when the user
// confirms; a list that changed counts as modified.
class TransposeController : public QObject
{
    Q_OBJECT
public:
    // How many entries the preview shows.
    static constexpr int PreviewEntries = 6;

    TransposeController(AppContext& ctx, ChordListDocument& document, DocumentController& documents,
                        QWidget* window);

    // The command's handler.
    void transposeCommand();
    // What the dialog's button runs: the list moved by semitones, positive up.
    void transpose(int semitones);

    TransposeDialog* dialog() const { return m_dialog; }

private:
    void showPreview(int semitones);

    AppContext& m_ctx;
    ChordListDocument& m_document;
    DocumentController& m_documents;
    QWidget* m_window;
    TransposeDialog* m_dialog = nullptr;
    chordlist::ListTransposer m_transposer;
};
