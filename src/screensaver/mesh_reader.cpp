#include "screensaver/mesh_reader.h"

#include "core/errors.h"
#include "core/program_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

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
    QString missing;
    QString broken;
    for (const QString& folder : folders()) {
        const QString path = QDir(folder).absoluteFilePath(moduleFileName());
        if (!QFileInfo(path).isFile()) {
            if (missing.isEmpty())
                missing = path;
            continue;
        }
        // Never unloaded: the importer's code stays mapped until the program ends.
        QLibrary library(path);
        if (auto f = reinterpret_cast<ReadMesh>(library.resolve("corvalto_read_mesh_v1"))) {
            state().readMesh = f;
            return;
        }
        if (broken.isEmpty())
            broken = path;
    }
    throw CorvaltoError::cannotOpen(broken.isEmpty() ? missing : broken);
}

bool MeshReader::read(const QString& path, MeshData& out)
{
    load();
    return state().readMesh(QFile::encodeName(path).constData(), &out);
}
