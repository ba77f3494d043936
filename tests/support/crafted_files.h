#pragma once

#include <QString>

// Files that are no ordinary input, made at a path for a test: "missing" (none),
// "fifo" (a named pipe no one writes to), "folder", "device" (a link to
// /dev/zero), "50 MiB" (a sparse file), "huge jpeg" and "huge gif" (pictures
// whose headers claim 65500 x 65500 pixels). Returns false for an unknown kind
// or a file that could not be made.
bool makeCraftedFile(const QString& path, const QString& kind);
