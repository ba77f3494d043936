#include "export/chord_sheet.h"

#include "chordlist/chord_list_model.h"
#include "chordlist/chord_spelling.h"
#include "chords/chord_catalogue.h"
#include "chords/chord_diagram_painter.h"
#include "chords/fingering.h"
#include "chords/voicing_table.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <utility>

namespace {

// The page in points (1/72 inch): A4 less 15 mm margins all round.
constexpr qreal MarginMillimetres = 15;
constexpr qreal PageWidth = 595.28 - 2 * MarginMillimetres * 72 / 25.4;
constexpr qreal PageHeight = 841.89 - 2 * MarginMillimetres * 72 / 25.4;
constexpr qreal FooterHeight = 18;

constexpr int Columns = 4;
constexpr qreal CellWidth = PageWidth / Columns;
// A name of two lines ("DO# Minore 7 / REb Minore 7" wraps at its blank) over its
// diagram at the shipped pictures' aspect ratio.
constexpr qreal NameHeight = 24;
constexpr qreal DiagramWidth = CellWidth - 14;
constexpr qreal DiagramHeight = DiagramWidth * chords::DiagramHeight / chords::DiagramWidth;
constexpr qreal CellHeight = NameHeight + DiagramHeight + 14;

constexpr int TitlePixels = 20;
constexpr int NamePixels = 9;
constexpr int InformationPixels = 10;
constexpr qreal InformationLine = 14;

const QString SheetFont = QStringLiteral("DejaVu Sans");

QFont sheetFont(int pixels, bool bold)
{
    QFont font(SheetFont);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // No ligatures: "fi" stays two letters that a reader finds and copies as typed.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

ChordSheet::ChordSheet(ListFile list) : m_list(std::move(list))
{
    layOut();
}

void ChordSheet::setUpPage(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
        QPageLayout::Millimeter));
}

void ChordSheet::layOut()
{
    m_pages.assign(1, {});
    const qreal bottom = PageHeight - FooterHeight;
    qreal y = 0;

    // The title, wrapped over as many lines as it needs.
    const QFontMetricsF title(sheetFont(TitlePixels, true));
    const QRectF titleBox = title.boundingRect(QRectF(0, 0, PageWidth, PageHeight),
                                               Qt::AlignHCenter | Qt::TextWordWrap, m_list.title);
    const qreal titleHeight = std::min(std::max(titleBox.height(), title.height()), bottom / 4);
    m_pages.back().push_back(
        {Item::Kind::Title, QRectF(0, 0, PageWidth, titleHeight), m_list.title, {}});
    y = titleHeight + 6;
    m_pages.back().push_back({Item::Kind::Rule, QRectF(0, y, PageWidth, 0), {}, {}});
    y += 10;

    const auto newPage = [&] {
        m_pages.emplace_back();
        y = 0;
    };

    for (qsizetype i = 0; i < m_list.entries.size(); ++i) {
        const int column = static_cast<int>(i % Columns);
        if (column == 0 && i > 0)
            y += CellHeight;
        if (column == 0 && y + CellHeight > bottom)
            newPage();
        const QString& entry = m_list.entries.at(i);
        if (entry == ChordListModel::BlankLine)
            continue;
        const qreal x = column * CellWidth;
        // A sharp root's two names go on two lines, split after the slash.
        QString name = entry;
        name.replace(QStringLiteral("/ "), QStringLiteral("/\n"));
        m_pages.back().push_back(
            {Item::Kind::Name, QRectF(x + 2, y, CellWidth - 4, NameHeight), name, {}});
        const QString picture = chordlist::fingeringPicture(entry, m_list.pictures.value(i));
        if (!picture.isEmpty()) {
            const QRectF diagram(x + (CellWidth - DiagramWidth) / 2, y + NameHeight + 2,
                                 DiagramWidth, DiagramHeight);
            m_pages.back().push_back({Item::Kind::Diagram, diagram, {}, picture});
        }
    }
    if (!m_list.entries.isEmpty())
        y += CellHeight;

    if (m_list.information.isEmpty())
        return;
    if (y + 2 * InformationLine > bottom)
        newPage();
    m_pages.back().push_back({Item::Kind::Rule, QRectF(0, y, PageWidth, 0), {}, {}});
    y += 10;
    for (const QString& line : m_list.information) {
        if (y + InformationLine > bottom)
            newPage();
        m_pages.back().push_back(
            {Item::Kind::Information, QRectF(0, y, PageWidth, InformationLine), line, {}});
        y += InformationLine;
    }
}

bool ChordSheet::print(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(painter, m_pages[i], static_cast<int>(i) + 1);
    }
    return painter.end();
}

bool ChordSheet::writePdf(QIODevice& out) const
{
    QPdfWriter writer(&out);
    writer.setTitle(m_list.title);
    writer.setCreator(QStringLiteral("Corvalto 3.0"));
    // Fine enough for the diagrams' half-point lines; text and lines stay vectors.
    writer.setResolution(600);
    setUpPage(writer);
    return print(writer);
}

void ChordSheet::paintPage(QPainter& painter, const Page& page, int number) const
{
    painter.save();
    // Points, whatever the device's resolution.
    const qreal scale = painter.device()->logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);

    chords::DiagramStyle style;
    style.fillBackground = false;
    for (const Item& item : page) {
        switch (item.kind) {
        case Item::Kind::Title:
            painter.setFont(sheetFont(TitlePixels, true));
            painter.drawText(item.rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                             item.text);
            break;
        case Item::Kind::Name:
            painter.setFont(sheetFont(NamePixels, true));
            painter.drawText(item.rect, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                             item.text);
            break;
        case Item::Kind::Diagram:
            if (const chords::Voicing* voicing =
                    chords::voicingForPicture(item.picture.toStdString()))
                chords::paintDiagram(painter, item.rect, chords::fingeringOf(*voicing), style);
            break;
        case Item::Kind::Rule:
            painter.setPen(QPen(Qt::black, 0.5));
            painter.drawLine(item.rect.topLeft(), item.rect.topRight());
            painter.setPen(Qt::black);
            break;
        case Item::Kind::Information:
            painter.setFont(sheetFont(InformationPixels, false));
            painter.drawText(item.rect, Qt::AlignLeft | Qt::AlignVCenter, item.text);
            break;
        }
    }

    painter.setFont(sheetFont(8, false));
    const QRectF footer(0, PageHeight - FooterHeight + 4, PageWidth, FooterHeight - 4);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("Pagina %1 di %2").arg(number).arg(pageCount()));
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("creato con Corvalto 3.0"));
    painter.restore();
}
