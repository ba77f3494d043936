#include "ui/display/display_window.h"

#include <QExposeEvent>
#include <QSurfaceFormat>

DisplayWindow::DisplayWindow(QWindow* parent) : QWindow(parent)
{
    setObjectName(QStringLiteral("DXDrawSurface"));
    setSurfaceType(QSurface::OpenGLSurface);
    // The scene has its own depth buffer in the off-screen target; the window
    // only receives finished frames, one per vertical blank.
    QSurfaceFormat format;
    format.setDepthBufferSize(0);
    format.setStencilBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setSwapInterval(1);
    setFormat(format);
}

void DisplayWindow::exposeEvent(QExposeEvent*)
{
    emit exposedChanged(isExposed());
}
