#include "shell/window_system.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

void flushWindowSystem()
{
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        xcb_flush(x11->connection());
}
