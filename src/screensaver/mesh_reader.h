#pragma once

#include "screensaver/mesh_data.h"

#include <QString>
#include <QStringList>

// The screen saver module, which alone maps the mesh importer into the
// process: loaded on first use and kept until the program ends, so that the
// program starts without it.
class MeshReader
{
public:
    static QString moduleFileName();
    // Where the module is looked for, in this order: beside the executable, then
    // the library folder of the installed layout (<executable folder>/../lib/corvalto).
    static QStringList folders();
    // Another list of folders (the tests' and benchmarks' own program folder);
    // an empty list restores the default. The next use looks for the module again.
    static void setFolders(const QStringList& folders);

    // Loads the module unless it is loaded. Throws CorvaltoError "Cannot open
    // file <path>" when it cannot be loaded: the path is the first candidate
    // that exists, or the first one looked for when none does.
    static void load();
    static bool isLoaded();

    // Loads the module, then reads the mesh file into out; see corvalto_read_mesh_v1.
    static bool read(const QString& path, MeshData& out);
};
