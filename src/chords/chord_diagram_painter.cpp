#include "chords/chord_diagram_painter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <string>

namespace chords {
namespace {

// The layout of the shipped pictures, in their pixels: strings 12 apart so that 11-pixel
// dots on neighbouring strings keep a gap; the grid from x 42 (the nut's right edge or the
// first fret wire) over five frets of 28. A line of the pictures is one pixel wide; here it
// is a rect of one unit, so that it lands on whole pixels at whole scales.
constexpr qreal StringTop = 8;
constexpr qreal StringGap = 12;
constexpr qreal GridLeft = 42;
constexpr qreal FretGap = 28;
constexpr qreal GridRight = GridLeft + FretsShown * FretGap;
constexpr qreal NutWidth = 4;
constexpr qreal NameLeft = 1;
constexpr qreal MarkX = 26.5;
constexpr qreal MarkSize = 7;
constexpr qreal NumberRight = 38;
constexpr qreal DotDiameter = 11;
constexpr qreal FontPixels = 9;

// Positions in the picture's own units, before mirroring; the low MI string (0) is at the
// bottom.
qreal lineY(int string)
{
    return StringTop + (StringCount - 1 - string) * StringGap;
}

qreal centreX(int fret, int firstFret)
{
    return GridLeft + (fret - firstFret) * FretGap + FretGap / 2 + 0.5;
}

QColor blend(const QColor& a, const QColor& b, qreal weightOfA)
{
    const auto mix = [weightOfA](qreal x, qreal y) { return x * weightOfA + y * (1 - weightOfA); };
    return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF())),
                            static_cast<float>(mix(a.greenF(), b.greenF())),
                            static_cast<float>(mix(a.blueF(), b.blueF())));
}

// Draws in the picture's units; mirrored, every x is taken from the right edge and text
// keeps reading left to right.
class Drawing
{
public:
    Drawing(QPainter& painter, bool mirrored) : m_painter(painter), m_mirrored(mirrored) {}

    qreal x(qreal x) const { return m_mirrored ? DiagramWidth - x : x; }

    // A rect from left to left + width, mirrored as a whole.
    QRectF rect(qreal left, qreal top, qreal width, qreal height) const
    {
        return {m_mirrored ? DiagramWidth - left - width : left, top, width, height};
    }

    void fill(const QRectF& r, const QColor& colour) { m_painter.fillRect(r, colour); }

    // Text whose box starts at left (or, mirrored, ends at its mirror) or ends at right.
    void text(qreal anchor, qreal centreY, const QString& text, bool anchorIsLeft)
    {
        constexpr qreal Width = 40;
        const bool left = anchorIsLeft != m_mirrored;
        const qreal edge = x(anchor);
        const QRectF box(left ? edge : edge - Width, centreY - FontPixels, Width, 2 * FontPixels);
        m_painter.drawText(box, (left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, text);
    }

private:
    QPainter& m_painter;
    bool m_mirrored;
};

QRectF fittedArea(const QRectF& rect)
{
    const qreal scale = std::min(rect.width() / DiagramWidth, rect.height() / DiagramHeight);
    const QSizeF size(DiagramWidth * scale, DiagramHeight * scale);
    return {rect.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

} // namespace

qreal DiagramGeometry::stringY(int string) const
{
    return area.top() + scale * (lineY(string) + 0.5);
}

qreal DiagramGeometry::fretCentreX(int fret) const
{
    const qreal x = centreX(fret, firstFret);
    return area.left() + scale * (leftHanded ? DiagramWidth - x : x);
}

qreal DiagramGeometry::gridStartX() const
{
    return area.left() + scale * (leftHanded ? DiagramWidth - GridLeft : GridLeft);
}

qreal DiagramGeometry::gridEndX() const
{
    const qreal x = GridRight + 1;
    return area.left() + scale * (leftHanded ? DiagramWidth - x : x);
}

qreal DiagramGeometry::dotRadius() const
{
    return scale * DotDiameter / 2;
}

DiagramGeometry diagramGeometry(const Fingering& fingering, const QRectF& rect, bool leftHanded)
{
    DiagramGeometry geometry;
    geometry.area = fittedArea(rect);
    geometry.scale = geometry.area.width() / DiagramWidth;
    geometry.firstFret = fingering.firstFretShown();
    geometry.leftHanded = leftHanded;
    return geometry;
}

std::array<QPointF, StringCount> dotCentres(const Fingering& fingering, const QRectF& rect,
                                            bool leftHanded)
{
    const DiagramGeometry geometry = diagramGeometry(fingering, rect, leftHanded);
    std::array<QPointF, StringCount> centres{};
    for (int s = 0; s < StringCount; ++s) {
        if (fingering.frets[s] > 0)
            centres[s] = geometry.dotCentre(s, fingering.frets[s]);
    }
    return centres;
}

void paintDiagram(QPainter& painter, const QRectF& rect, const Fingering& fingering,
                  const DiagramStyle& style)
{
    const DiagramGeometry geometry = diagramGeometry(fingering, rect, style.leftHanded);
    if (geometry.scale <= 0)
        return;
    const int firstFret = geometry.firstFret;
    const QColor ink = style.foreground;
    const QColor paper = style.background;
    const QColor fretColour = blend(ink, paper, 0.5);
    const QColor stringColour = blend(ink, paper, 0.75);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(geometry.area.topLeft());
    painter.scale(geometry.scale, geometry.scale);
    Drawing d(painter, style.leftHanded);
    if (style.fillBackground)
        painter.fillRect(QRectF(0, 0, DiagramWidth, DiagramHeight), paper);

    // The grid: fret wires, the nut or the first wire, the strings.
    const qreal top = lineY(StringCount - 1);
    const qreal height = lineY(0) - top + 1;
    for (int wire = 1; wire <= FretsShown; ++wire)
        d.fill(d.rect(GridLeft + wire * FretGap, top, 1, height), fretColour);
    if (firstFret == 1)
        d.fill(d.rect(GridLeft - NutWidth + 1, top, NutWidth, height), ink);
    else
        d.fill(d.rect(GridLeft, top, 1, height), fretColour);
    for (int s = 0; s < StringCount; ++s)
        d.fill(d.rect(GridLeft, lineY(s), GridRight - GridLeft + 1, 1), stringColour);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(FontPixels));
    painter.setFont(font);
    painter.setPen(ink);
    const Tuning& tuning = style.tuning ? *style.tuning : standardTuning();
    for (int s = 0; s < StringCount; ++s)
        d.text(NameLeft, lineY(s) + 0.5, QString::fromUtf8(tuning.stringNames[s]), true);

    // Open and muted marks.
    QPen markPen(ink, 1.0);
    markPen.setCapStyle(Qt::FlatCap);
    painter.setPen(markPen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = MarkSize / 2;
    for (int s = 0; s < StringCount; ++s) {
        const QPointF centre(d.x(MarkX), lineY(s) + 0.5);
        if (fingering.frets[s] == 0) {
            painter.drawEllipse(centre, half - 0.5, half - 0.5);
        } else if (fingering.frets[s] < 0) {
            painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
            painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
        }
    }

    // The first fret shown, bold, where the shape lies up the neck.
    if (firstFret > 1) {
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(ink);
        d.text(NumberRight, (lineY(0) + lineY(StringCount - 1)) / 2 + 0.5,
               QString::number(firstFret), false);
        painter.setFont(font);
    }

    // Fingers: a dot on one string, a bar over the strings of a barre, the finger number in
    // the middle; a fretted note with no finger given is a plain dot.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal radius = DotDiameter / 2;
    const auto shown = [firstFret](int fret) {
        return fret >= firstFret && fret < firstFret + FretsShown;
    };
    for (int s = 0; s < StringCount; ++s) {
        const int fret = fingering.frets[s];
        if (fret > 0 && fingering.fingers[s] == 0 && shown(fret))
            painter.drawEllipse(QPointF(d.x(centreX(fret, firstFret)), lineY(s) + 0.5), radius,
                                radius);
    }
    for (int finger = 1; finger <= 4; ++finger) {
        int low = -1;
        int high = -1;
        for (int s = 0; s < StringCount; ++s) {
            if (fingering.fingers[s] == finger && fingering.frets[s] > 0) {
                low = low < 0 ? s : low;
                high = s;
            }
        }
        if (low < 0 || !shown(fingering.frets[low]))
            continue;
        const qreal cx = d.x(centreX(fingering.frets[low], firstFret));
        const qreal yTop = lineY(high) + 0.5;
        const qreal yBottom = lineY(low) + 0.5;
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(
            QRectF(cx - radius, yTop - radius, DotDiameter, yBottom - yTop + DotDiameter), radius,
            radius);
        painter.setPen(paper);
        const QRectF box(cx - radius, (yTop + yBottom) / 2 - radius, DotDiameter, DotDiameter);
        painter.drawText(box, Qt::AlignCenter, QString::number(finger));
    }
    painter.restore();
}

QImage renderDiagram(const Fingering& fingering, const QSizeF& logicalSize, qreal dpr,
                     const DiagramStyle& style)
{
    const QSize pixels = (logicalSize * dpr).toSize();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(dpr);
    image.fill(style.fillBackground ? style.background : QColor(Qt::transparent));
    QPainter painter(&image);
    paintDiagram(painter, QRectF(QPointF(0, 0), logicalSize), fingering, style);
    return image;
}

} // namespace chords
