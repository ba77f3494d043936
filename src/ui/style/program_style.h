#pragma once

#include <QHash>
#include <QImage>
#include <QProxyStyle>
#include <QRectF>
#include <QSize>

class QColor;
class QPainter;

// The desktop's style with the program's own drawing of what the main window
// needs at start-up and the style would read from picture files (the menu
// bar's extension button, the frame of a group box): reading a picture file
// loads every image reader plugin of the system. Radio indicators and line
// edit panels over a flat colour are copied from pictures the style drew once.
// Everything else still comes from the style.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // Makes it the application's style unless it is already.
    static void install();

private:
    bool drawnFromPicture(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const;

    // What a radio indicator or a line edit's panel drawn over one flat colour
    // depends on.
    struct PictureKey
    {
        int element = 0;
        QSize size;
        int state = 0;
        int direction = 0;
        qint64 palette = 0;
        QRgb colour = 0;
        int format = 0;
        int lineWidth = -1; // the frame's, for a line edit
        int midLineWidth = -1;
        int features = -1;

        bool operator==(const PictureKey&) const = default;
        friend size_t qHash(const PictureKey& k, size_t seed = 0)
        {
            return qHashMulti(seed, k.element, k.size.width(), k.size.height(), k.state,
                              k.direction, k.palette, k.colour, k.format, k.lineWidth,
                              k.midLineWidth, k.features);
        }
    };
    mutable QHash<PictureKey, QImage> m_pictures;
};

// A rounded outline one pixel wide along pixel centres (its edges at half
// pixels) covers its straight runs whole. drawOutlineInRuns fills those runs as
// rectangles and strokes only the corners: the pixels of stroking the outline
// whole with an antialiased pen, for a fraction of the work, and no fill large
// enough for the raster engine's thread pool. It needs the painter to map
// pixels one to one and the outline to have straight runs, which
// outlineFitsRuns tells.
bool outlineFitsRuns(const QPainter* painter, const QRectF& outline, qreal radius);
void drawOutlineInRuns(QPainter* painter, const QRectF& outline, qreal radius,
                       const QColor& colour);
