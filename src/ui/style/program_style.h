#pragma once

#include <QProxyStyle>

// The desktop's style with the program's own drawing of what the main window
// needs at start-up and the style would read from picture files (the menu
// bar's extension button, the frame of a group box): reading a picture file
// loads every image reader plugin of the system. Everything else comes from
// the style.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Makes it the application's style unless it is already.
    static void install();
};
