// The print preview module: Qt's printer and print preview dialog, loaded by the program
// with the first "Stampa...", never at start-up.

#include "export/print_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" __attribute__((visibility("default"))) void
corvaltoRunPrintPreview(const QString& documentName, QWidget* parent, const PaintPages& setUp,
                        const PaintPages& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    setUp(printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}
