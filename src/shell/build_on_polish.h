#pragma once

#include <QEvent>

// For a window created at start that makes its controls on first need. Qt asks
// every new widget to be polished when the event loop first runs; that request
// is held back while the controls do not exist, so they are made when the
// window is shown or they are asked for. They are made just before the window's
// own polish, so that they are polished with it as when they were made with
// the window. Returns true when the event is taken.
template <typename Build> bool buildOnPolish(QEvent* event, bool built, Build&& build)
{
    if (event->type() == QEvent::PolishRequest && !built)
        return true;
    if (event->type() == QEvent::Polish)
        build();
    return false;
}
