#include "ui/widgets/caption_fit.h"

#include <QEvent>
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

void fitNow(QWidget* control, const QString& caption, int width, int padding);

// Fits its control on the control's first Show event, then goes away.
class FitOnShow : public QObject
{
public:
    FitOnShow(QWidget* control, const QString& caption, int width, int padding)
        : QObject(control), m_caption(caption), m_width(width), m_padding(padding)
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            fitNow(static_cast<QWidget*>(watched), m_caption, m_width, m_padding);
            deleteLater();
        }
        return false;
    }

private:
    QString m_caption;
    int m_width;
    int m_padding;
};

void fitNow(QWidget* control, const QString& caption, int width, int padding)
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

} // namespace

void fitCaption(QWidget* control, const QString& caption, int width, int padding)
{
    if (control->isVisible())
        fitNow(control, caption, width, padding);
    else
        new FitOnShow(control, caption, width, padding);
}
