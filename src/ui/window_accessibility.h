#pragma once

// Screen readers see every top-level window of the program as a window named by
// its caption. The toolkit gives its own window classes that role, but reports
// a window made from a plain widget as a filler; this corrects it. Idempotent.
void installWindowAccessibility();
