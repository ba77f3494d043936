#pragma once

#include "screensaver/mesh_data.h"

#include <QString>

// The screen saver module, which alone maps the mesh importer into the
// process: loaded on first use and kept until the program ends, so that the
// program starts without it.
class MeshReader
{
public:
    static QString moduleFileName();
    // Loads the module from moduleFolder() unless it is loaded; throws
    // CorvaltoError when it cannot (see ModuleFunction).
    static void load();
    static bool isLoaded();

    // Loads the module, then reads the mesh file into out; see corvalto_read_mesh_v1.
    static bool read(const QString& path, MeshData& out);
};
