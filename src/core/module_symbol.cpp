#include "core/module_symbol.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

ModuleSymbol resolveModuleSymbol(const QStringList& folders, const QString& fileName,
                                 const char* symbol)
{
    QString missing;
    QString broken;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(fileName);
        if (!QFileInfo(path).isFile()) {
            if (missing.isEmpty())
                missing = path;
            continue;
        }
        QLibrary library(path);
        if (auto f = library.resolve(symbol))
            return {f, {}};
        if (broken.isEmpty())
            broken = path;
    }
    return {nullptr, broken.isEmpty() ? missing : broken};
}
