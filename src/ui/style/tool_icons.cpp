#include "ui/style/tool_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor Ink(40, 40, 40);
const QColor Paper(250, 250, 246);
const QColor Folder(232, 184, 64);
const QColor Blue(40, 90, 190);
const QColor Disk(60, 80, 150);

// Pictures are drawn on a 16 x 16 grid; the painter is scaled to the size asked.
void drawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
}

// A white sign on a coloured disc, drawn with strokes rather than a font so that
// no font face is loaded for it.
void drawDisc(QPainter& p, const QColor& fill)
{
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void draw(QPainter& p, ToolIcon which)
{
    p.setPen(QPen(Ink, 1.0));
    switch (which) {
    case ToolIcon::NewList:
        drawPage(p);
        break;
    case ToolIcon::OpenList:
        p.setBrush(Folder.darker(115));
        p.drawPolygon(QPolygonF(
            {{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {13.5, 5.5}, {13.5, 13.5}, {1.5, 13.5}}));
        p.setBrush(Folder);
        p.drawPolygon(QPolygonF({{1.5, 13.5}, {4.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
        break;
    case ToolIcon::RecentFiles:
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawPolygon(QPolygonF({{3, 6}, {13, 6}, {8, 11}}));
        break;
    case ToolIcon::SaveList:
        p.setBrush(Disk);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case ToolIcon::ListInformation:
        drawPage(p);
        for (int y = 6; y <= 12; y += 2)
            p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
        break;
    case ToolIcon::Help:
        drawDisc(p, QColor(30, 140, 60));
        {
            QPainterPath mark;
            mark.moveTo(5.8, 6.2);
            mark.cubicTo(5.8, 3.6, 10.2, 3.6, 10.2, 6.0);
            mark.cubicTo(10.2, 7.6, 8.0, 7.8, 8.0, 9.4);
            p.drawPath(mark);
            p.drawPoint(QPointF(8.0, 11.8));
        }
        break;
    case ToolIcon::About:
        drawDisc(p, Blue);
        p.drawPoint(QPointF(8.0, 4.8));
        p.drawLine(QPointF(8.0, 7.4), QPointF(8.0, 11.6));
        break;
    case ToolIcon::RiffEditor:
        // Six strings of a tablature with two fretted notes.
        p.setBrush(Paper);
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        p.setPen(QPen(QColor(120, 120, 120), 1.0));
        for (int s = 0; s < 6; ++s)
            p.drawLine(QPointF(1.5, 3.5 + 2 * s), QPointF(14.5, 3.5 + 2 * s));
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawEllipse(QPointF(5.5, 5.5), 1.6, 1.6);
        p.drawEllipse(QPointF(10.5, 9.5), 1.6, 1.6);
        break;
    case ToolIcon::ScreenSaver:
        p.setBrush(QColor(30, 30, 60));
        p.drawRect(QRectF(1.5, 1.5, 13, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 150, 40));
        p.drawEllipse(QPointF(8, 6), 2.5, 2.5);
        p.setBrush(Ink);
        p.drawRect(QRectF(6, 11, 4, 2));
        p.drawRect(QRectF(4, 13, 8, 2));
        break;
    case ToolIcon::MoreRight:
    case ToolIcon::MoreDown:
        if (which == ToolIcon::MoreDown) {
            p.translate(16, 0);
            p.rotate(90);
        }
        p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{4, 4}, {8, 8}, {4, 12}}));
        p.drawPolyline(QPolygonF({{8.5, 4}, {12.5, 8}, {8.5, 12}}));
        break;
    }
}

class ToolIconEngine : public QIconEngine
{
public:
    explicit ToolIconEngine(ToolIcon which) : m_which(which) {}

    QIconEngine* clone() const override { return new ToolIconEngine(m_which); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        draw(*painter, m_which);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const QSize pixels = size * scale;
        const int slot = mode == QIcon::Disabled ? 1 : 0;
        QPixmap& cached = m_cache[slot];
        if (cached.size() != pixels) {
            cached = QPixmap(pixels);
            cached.fill(Qt::transparent);
            QPainter p(&cached);
            paint(&p, QRect(QPoint(0, 0), pixels), mode, state);
            p.end();
        }
        QPixmap out = cached;
        out.setDevicePixelRatio(scale);
        return out;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QString key() const override { return QStringLiteral("corvalto-tool"); }

private:
    ToolIcon m_which;
    // One picture per mode: normal (and active, selected) and disabled.
    QPixmap m_cache[2];
};

} // namespace

QIcon toolIcon(ToolIcon which)
{
    return QIcon(new ToolIconEngine(which));
}
