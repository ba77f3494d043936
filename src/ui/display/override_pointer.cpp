#include "ui/display/override_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

bool pushed = false;

} // namespace

namespace overridepointer {

void set(Qt::CursorShape shape)
{
    if (pushed) {
        QGuiApplication::changeOverrideCursor(QCursor(shape));
        return;
    }
    QGuiApplication::setOverrideCursor(QCursor(shape));
    pushed = true;
}

void restore()
{
    if (!pushed)
        return;
    QGuiApplication::restoreOverrideCursor();
    pushed = false;
}

bool isSet()
{
    return pushed;
}

} // namespace overridepointer
