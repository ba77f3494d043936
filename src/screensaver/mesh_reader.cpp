#include "screensaver/mesh_reader.h"

#include "core/module_symbol.h"

#include <QFile>

namespace {

using ReadMesh = bool (*)(const char*, MeshData*);

ModuleFunction& module()
{
    static ModuleFunction m(QStringLiteral("libcorvalto_screensaver.so"), "corvalto_read_mesh_v1");
    return m;
}

} // namespace

QString MeshReader::moduleFileName()
{
    return module().fileName();
}

bool MeshReader::isLoaded()
{
    return module().isLoaded();
}

void MeshReader::load()
{
    module().function();
}

bool MeshReader::read(const QString& path, MeshData& out)
{
    const auto readMesh = reinterpret_cast<ReadMesh>(module().function());
    return readMesh(QFile::encodeName(path).constData(), &out);
}
