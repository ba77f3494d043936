#include "screensaver/mesh_reader.h"

#include "core/errors.h"
#include "core/module_symbol.h"
#include "core/program_layout.h"

#include <QCoreApplication>
#include <QFile>

namespace {

using ReadMesh = bool (*)(const char*, MeshData*);

struct ModuleState
{
    QStringList folders;
    ReadMesh readMesh = nullptr;
};

ModuleState& state()
{
    static ModuleState s;
    return s;
}

} // namespace

QString MeshReader::moduleFileName()
{
    return QStringLiteral("libcorvalto_screensaver.so");
}

QStringList MeshReader::folders()
{
    if (!state().folders.isEmpty())
        return state().folders;
    return ProgramLayout::detect(QCoreApplication::applicationDirPath()).moduleDirs();
}

void MeshReader::setFolders(const QStringList& folders)
{
    state().folders = folders;
    state().readMesh = nullptr;
}

bool MeshReader::isLoaded()
{
    return state().readMesh != nullptr;
}

void MeshReader::load()
{
    if (isLoaded())
        return;
    const ModuleSymbol reader =
        resolveModuleSymbol(folders(), moduleFileName(), "corvalto_read_mesh_v1");
    if (!reader.function)
        throw CorvaltoError::cannotOpen(reader.failedPath);
    state().readMesh = reinterpret_cast<ReadMesh>(reader.function);
}

bool MeshReader::read(const QString& path, MeshData& out)
{
    load();
    return state().readMesh(QFile::encodeName(path).constData(), &out);
}
