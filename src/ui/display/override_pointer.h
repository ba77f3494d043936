#pragma once

#include <Qt>

// The screen saver's shape of the application-wide pointer (busy while the
// display starts, hidden while it runs). It keeps at most one override of its
// own in force and takes back only that one, so that an override set by anyone
// else stays.
namespace overridepointer {

// Shows shape, over the pointer in force before the first call.
void set(Qt::CursorShape shape);
// Takes back the override set(); nothing when none is in force.
void restore();
bool isSet();

} // namespace overridepointer
