#pragma once

// What screen readers get beyond the toolkit's own reports: every top-level
// window of the program as a window named by its caption (the toolkit reports a
// window made from a plain widget as a filler), and an up-down control as a
// spin box with its position as value. Idempotent.
void installAccessibility();
