#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// The print preview is a module of its own (libcorvalto_print.so), loaded with the first
// "Stampa...": Qt Print Support brings the printing system's client libraries (CUPS,
// Avahi), which nothing else in the program needs. The program sets up and paints the
// pages; the module owns only the printer and the preview dialog.
using PaintPages = std::function<void(QPagedPaintDevice&)>;

extern "C" {
// Shows the preview of a document over parent until the user closes it; setUp lays out
// the page of the printer, paint paints every page on it.
using RunPrintPreview = void (*)(const QString& documentName, QWidget* parent,
                                 const PaintPages& setUp, const PaintPages& paint);
}
#define CORVALTO_PRINT_ENTRY "corvaltoRunPrintPreview"
