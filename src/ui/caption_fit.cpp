#include "ui/caption_fit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace {

bool fits(const QFont& font, const QStringList& lines, double room)
{
    const QFontMetricsF metrics(font);
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > room)
            return false;
    }
    return true;
}

} // namespace

void fitCaption(QWidget* control, const QString& caption, int width, int padding)
{
    constexpr double SmallestPoints = 6.0;
    const QStringList lines = caption.split(QLatin1Char('\n'));
    const double room = width - padding;
    QFont font = control->font();
    if (fits(font, lines, room))
        return;
    font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : 8.0;
    while (!fits(font, lines, room) && points > SmallestPoints) {
        points -= 0.25;
        font.setPointSizeF(points);
    }
    control->setFont(font);
}
