#pragma once

#include "documents/list_file.h"

#include <QRectF>
#include <QString>

#include <vector>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

// The printed chord sheet of a list, on A4 in Italian: the title, each entry's name over
// its fingering diagram in the list's order (a blank entry leaves its cell empty), then
// the additional information, and the page number at the foot of every page. Diagrams
// and text are vectors, so a PDF stays sharp at any zoom and its text can be found and
// copied. Print and PDF export paint the same sheet.
class ChordSheet
{
public:
    explicit ChordSheet(ListFile list);

    // A4 portrait with the sheet's margins.
    static void setUpPage(QPagedPaintDevice& device);

    // Paints every page on a device set up by setUpPage; false when the device cannot
    // be painted on (a printer that failed to start, a file that cannot be written).
    bool print(QPagedPaintDevice& device) const;

    // The sheet as a PDF document written to out, titled with the list's title.
    bool writePdf(QIODevice& out) const;

    // The number of pages of the sheet.
    int pageCount() const { return static_cast<int>(m_pages.size()); }

private:
    // One thing drawn on a page, in points from the top left of the printable area.
    struct Item
    {
        enum class Kind { Title, Name, Diagram, Rule, Information };
        Kind kind;
        QRectF rect;
        QString text;    // the title, a chord's name or an information line
        QString picture; // a diagram's picture file, whose fingering it draws
    };
    using Page = std::vector<Item>;

    void layOut();
    void paintPage(QPainter& painter, const Page& page, int number) const;

    ListFile m_list;
    std::vector<Page> m_pages;
};
