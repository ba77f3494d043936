#include "core/module_symbol.h"

#include "core/errors.h"
#include "core/program_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <utility>

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

ModuleFunction::ModuleFunction(QString fileName, const char* symbol)
    : m_fileName(std::move(fileName)), m_symbol(symbol)
{
}

QStringList ModuleFunction::folders() const
{
    if (!m_folders.isEmpty())
        return m_folders;
    return ProgramLayout::detect(QCoreApplication::applicationDirPath()).moduleDirs();
}

void ModuleFunction::setFolders(const QStringList& folders)
{
    m_folders = folders;
    m_function = nullptr;
}

QFunctionPointer ModuleFunction::function()
{
    if (!m_function) {
        const ModuleSymbol found = resolveModuleSymbol(folders(), m_fileName, m_symbol);
        if (!found.function)
            throw CorvaltoError::cannotOpen(found.failedPath);
        m_function = found.function;
    }
    return m_function;
}
