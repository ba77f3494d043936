#include "ui/style/program_style.h"

#include "ui/style/tool_icons.h"

#include <QApplication>
#include <QGroupBox>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

ProgramStyle::ProgramStyle() : QProxyStyle() {}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        return toolIcon(ToolIcon::MoreRight);
    case SP_ToolBarVerticalExtensionButton:
        return toolIcon(ToolIcon::MoreDown);
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}

namespace {

// The painter maps pixels one to one: a whole-pixel shift at most, one device
// pixel a pixel.
bool mapsPixelsOneToOne(const QPainter* painter)
{
    const QTransform t = painter->transform();
    const QPaintDevice* device = painter->device();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy()) && device && device->devicePixelRatio() == 1.0;
}

// Pixels drawn into a picture come out the same when the picture is copied
// through the painter: pixels mapped one to one, full opacity, plain blending,
// 24 bits or more a pixel.
bool copiesExactly(const QPainter* painter)
{
    return mapsPixelsOneToOne(painter) && painter->opacity() == 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver &&
           painter->device()->depth() >= 24;
}

bool opaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(), [](QRgb p) { return qAlpha(p) == 255; }))
            return false;
    }
    return true;
}

// Whether nothing drawn within rect (in the painter's coordinates) can show:
// it lies outside what the painter is clipped to.
bool clippedAway(const QPainter* painter, const QRect& rect)
{
    if (painter->hasClipping() && !painter->clipBoundingRect().intersects(rect))
        return true;
    const QPaintEngine* engine = painter->paintEngine();
    const QRegion repainted = engine ? engine->systemClip() : QRegion();
    return !repainted.isEmpty() && !repainted.intersects(painter->deviceTransform().mapRect(rect));
}

// The raster engine hands a fill of 96 spans or more to its thread pool and
// waits for it, which costs more than the few pixels of an outline or a small
// bar are worth: an antialiased outline makes two spans a row and more where it
// bends. Drawn clipped to bands of rows, it comes out the same pixel for pixel
// (a row's coverage depends on that row alone), every band filled on this
// thread. Bands outside what is being repainted are not drawn.
template <typename Draw>
void inRowBands(QPainter* painter, const QRect& area, int rows, Draw&& draw)
{
    for (int y = area.top(); y <= area.bottom(); y += rows) {
        const QRect band(area.left(), y, area.width(), qMin(rows, area.bottom() - y + 1));
        if (clippedAway(painter, band))
            continue;
        painter->save();
        if (area.height() > rows)
            painter->setClipRect(band, Qt::IntersectClip);
        draw();
        painter->restore();
    }
}

// Sets up p, on a picture whose top left pixel is at, to draw as painter does.
void drawLike(QPainter& p, const QPainter* painter, const QPoint& at)
{
    p.setRenderHints(painter->renderHints());
    p.setPen(painter->pen());
    p.setBrush(painter->brush());
    p.setFont(painter->font());
    p.setBackground(painter->background());
    p.setBackgroundMode(painter->backgroundMode());
    p.setLayoutDirection(painter->layoutDirection());
    p.translate(-at);
    p.setBrushOrigin(painter->brushOrigin());
}

// The colour of every pixel under rect on the painter's picture, when they are
// all one opaque colour and the painter copies pixels exactly; its format too.
std::optional<std::pair<QRgb, QImage::Format>> flatUnder(const QPainter* painter, const QRect& rect)
{
    if (!copiesExactly(painter))
        return std::nullopt;
    QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return std::nullopt;
    const QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    const auto* image = static_cast<const QImage*>(device);
    const QRect area = painter->deviceTransform().mapRect(rect);
    if (!image->rect().contains(area) || image->depth() != 32)
        return std::nullopt;
    const QRgb colour =
        reinterpret_cast<const QRgb*>(image->constScanLine(area.top()))[area.left()];
    if (qAlpha(colour) != 255)
        return std::nullopt;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image->constScanLine(y)) + area.left();
        if (!std::all_of(line, line + area.width(), [colour](QRgb p) { return p == colour; }))
            return std::nullopt;
    }
    return std::pair(colour, image->format());
}

} // namespace

bool outlineFitsRuns(const QPainter* painter, const QRectF& outline, qreal radius)
{
    const QRectF covered = outline.adjusted(-0.5, -0.5, 0.5, 0.5);
    const QRect pixels = covered.toRect();
    const int corner = int(std::ceil(radius)) + 2;
    return mapsPixelsOneToOne(painter) && QRectF(pixels) == covered &&
           pixels.width() > 2 * corner && pixels.height() > 2 * corner;
}

void drawOutlineInRuns(QPainter* painter, const QRectF& outline, qreal radius, const QColor& colour)
{
    const QRect pixels = outline.adjusted(-0.5, -0.5, 0.5, 0.5).toRect();
    const int corner = int(std::ceil(radius)) + 2;
    const int across = pixels.width() - 2 * corner;
    painter->fillRect(QRect(pixels.left() + corner, pixels.top(), across, 1), colour);
    painter->fillRect(QRect(pixels.left() + corner, pixels.bottom(), across, 1), colour);
    // The sides in pieces of 64 rows, each a fill too small for the thread pool.
    for (int y = pixels.top() + corner; y <= pixels.bottom() - corner; y += 64) {
        const int rows = qMin(64, pixels.bottom() - corner + 1 - y);
        painter->fillRect(QRect(pixels.left(), y, 1, rows), colour);
        painter->fillRect(QRect(pixels.right(), y, 1, rows), colour);
    }
    // Each corner as the corner of a small outline of its own: within the square
    // around the corner, the two outlines cover the same area.
    const qreal side = 2 * corner;
    const QPointF far = outline.bottomRight() - QPointF(side, side);
    const QPointF starts[] = {
        outline.topLeft(), {far.x(), outline.top()}, {outline.left(), far.y()}, far};
    const QPoint squares[] = {pixels.topLeft(),
                              {pixels.right() - corner + 1, pixels.top()},
                              {pixels.left(), pixels.bottom() - corner + 1},
                              {pixels.right() - corner + 1, pixels.bottom() - corner + 1}};
    for (int i = 0; i < 4; ++i) {
        painter->save();
        painter->setClipRect(QRect(squares[i], QSize(corner, corner)), Qt::IntersectClip);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(colour);
        painter->drawRoundedRect(QRectF(starts[i], QSizeF(side, side)), radius, radius);
        painter->restore();
    }
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    if ((element == PE_IndicatorRadioButton || element == PE_PanelLineEdit) && option &&
        drawnFromPicture(element, option, painter, widget))
        return;
    if (element != PE_FrameGroupBox || !option) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A rounded line a shade darker than the window, a light one inside it; the
    // frame starts below the title as the style's own does.
    constexpr int Margin = 4;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
                        ? Margin
                        : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                               option->fontMetrics.height()) +
                              Margin;
    const QRectF frame = QRectF(option->rect.adjusted(0, top, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor window = option->palette.color(QPalette::Window);
    QColor shade = window.darker(140);
    shade.setAlpha(160);
    QColor light = window.lighter(108);
    light.setAlpha(120);
    // The inner line is the smaller: where it can be drawn in runs, so can the outer.
    const QRectF inner = frame.adjusted(1, 1, -1, -1);
    if (outlineFitsRuns(painter, inner, 2)) {
        drawOutlineInRuns(painter, frame, 2, shade);
        drawOutlineInRuns(painter, inner, 2, light);
        return;
    }
    // Otherwise stroked whole, in bands: two spans a row, more at the corners.
    inRowBands(painter, option->rect.adjusted(0, top, 0, 0), 32, [&] {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(shade);
        painter->drawRoundedRect(frame, 2, 2);
        painter->setPen(light);
        painter->drawRoundedRect(inner, 2, 2);
    });
}

// The style draws a radio indicator or a line edit's panel the same for the
// same state, size and colours, each a few antialiased curves: dozens of them
// on the main window, the list's counter on every add. Where everything under
// it is one opaque colour, it is drawn once over that colour into a picture
// and the picture copied in place: the very pixels drawing it there gives.
bool ProgramStyle::drawnFromPicture(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const
{
    const QRect rect = option->rect;
    // Small things only: at most 64 pictures of at most 32 KiB each are kept.
    if (rect.isEmpty() || rect.width() * rect.height() > 8192)
        return false;
    const auto flat = flatUnder(painter, rect);
    if (!flat)
        return false;
    PictureKey key{element,
                   rect.size(),
                   int(option->state),
                   int(option->direction),
                   option->palette.cacheKey(),
                   flat->first,
                   int(flat->second)};
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        key.lineWidth = frame->lineWidth;
        key.midLineWidth = frame->midLineWidth;
        key.features = int(frame->features);
    }
    QImage picture = m_pictures.value(key);
    if (picture.isNull()) {
        picture = QImage(rect.size(), flat->second);
        picture.fill(flat->first);
        QPainter p(&picture);
        drawLike(p, painter, rect.topLeft());
        QProxyStyle::drawPrimitive(element, option, &p, widget);
        p.end();
        if (m_pictures.size() >= 64)
            m_pictures.clear();
        m_pictures.insert(key, picture);
    }
    painter->drawImage(rect.topLeft(), picture);
    return true;
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element != CE_ProgressBarGroove || !option) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The groove's rounded ends and shading make up to a dozen spans a row.
    inRowBands(painter, option->rect, 8,
               [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    // The raster engine hands a fill of 96 rows or more to its thread pool and
    // waits for it, which costs more than filling a scroll bar's few pixels. A
    // tall scroll bar is drawn in bands of at most 95 rows, each whole into a
    // picture of its own, and the pictures copied in place: the same pixels
    // when the bands come out opaque, every fill made on this thread.
    constexpr int Band = 95;
    if (control != CC_ScrollBar || !option || option->rect.height() <= Band ||
        !copiesExactly(painter)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect bar = option->rect;
    QList<QImage> bands;
    for (int top = bar.top(); top <= bar.bottom(); top += Band) {
        // A band outside what is being repainted is not drawn: a scroll bar
        // whose range grows repaints only where its handle changes.
        const QRect area(bar.left(), top, bar.width(), qMin(Band, bar.bottom() - top + 1));
        if (clippedAway(painter, area)) {
            bands.append(QImage());
            continue;
        }
        QImage band(area.size(), QImage::Format_ARGB32_Premultiplied);
        band.fill(Qt::transparent);
        QPainter p(&band);
        drawLike(p, painter, area.topLeft());
        // The base style fills its groove the bar's whole length; clipped to
        // the band, the raster engine fills only the band's rows.
        p.setClipRect(area);
        QProxyStyle::drawComplexControl(control, option, &p, widget);
        p.end();
        // What shows through a band would be what lies under the scroll bar.
        if (!opaque(band)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        bands.append(std::move(band));
    }
    for (int i = 0; i < bands.size(); ++i) {
        if (!bands.at(i).isNull())
            painter->drawImage(QPoint(bar.left(), bar.top() + i * Band), bands.at(i));
    }
}

void ProgramStyle::install()
{
    if (!qobject_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
}
