#pragma once

// Sends the requests queued for the window system at once. On X11 a property
// change (the window's icon text) otherwise waits until an event arrives, so a
// text changed by a timer while the program is idle would never reach the task
// bar. Does nothing on other window systems.
void flushWindowSystem();
