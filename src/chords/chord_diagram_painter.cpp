#include "chords/chord_diagram_painter.h"

#include <QPainter>

namespace chords {

qreal DiagramGeometry::stringY(int) const
{
    return 0;
}
qreal DiagramGeometry::fretCentreX(int) const
{
    return 0;
}
qreal DiagramGeometry::gridStartX() const
{
    return 0;
}
qreal DiagramGeometry::gridEndX() const
{
    return 0;
}
qreal DiagramGeometry::dotRadius() const
{
    return 0;
}

DiagramGeometry diagramGeometry(const Fingering&, const QRectF&, bool)
{
    return {};
}

std::array<QPointF, StringCount> dotCentres(const Fingering&, const QRectF&, bool)
{
    return {};
}

void paintDiagram(QPainter&, const QRectF&, const Fingering&, const DiagramStyle&) {}

QImage renderDiagram(const Fingering&, const QSizeF&, qreal, const DiagramStyle&)
{
    return {};
}

} // namespace chords
