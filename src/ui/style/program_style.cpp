#include "ui/style/program_style.h"

#include "ui/style/tool_icons.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>

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

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
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
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(shade);
    painter->drawRoundedRect(frame, 2, 2);
    painter->setPen(light);
    painter->drawRoundedRect(frame.adjusted(1, 1, -1, -1), 2, 2);
    painter->restore();
}

void ProgramStyle::install()
{
    if (!qobject_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
}
