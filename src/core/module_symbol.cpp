#include "core/module_symbol.h"

#include "core/errors.h"
#include "core/program_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <utility>

namespace {

QString& folderSet()
{
    static QString folder;
    return folder;
}

} // namespace

void setModuleFolder(const QString& folder)
{
    folderSet() = folder;
}

QString moduleFolder()
{
    if (!folderSet().isEmpty())
        return folderSet();
    return ProgramLayout::detect(QCoreApplication::applicationDirPath()).moduleDir();
}

ModuleSymbol resolveModuleSymbol(const QStringList& folders, const QString& fileName,
                                 const char* symbol)
{
    QString path;
    for (const QString& folder : folders) {
        path = QDir(folder).absoluteFilePath(fileName);
        if (QFileInfo(path).isFile())
            break;
    }
    if (!QFileInfo(path).isFile())
        return {nullptr, CorvaltoError::cannotOpen(path).message()};
    QLibrary library(path);
    if (auto f = library.resolve(symbol))
        return {f, {}};
    return {
        nullptr,
        QStringLiteral("Il modulo %1 non si può caricare: %2").arg(path, library.errorString())};
}

ModuleFunction::ModuleFunction(QString fileName, const char* symbol)
    : m_fileName(std::move(fileName)), m_symbol(symbol)
{
}

QFunctionPointer ModuleFunction::function()
{
    const QString folder = moduleFolder();
    if (!m_function || m_folder != folder) {
        const ModuleSymbol found = resolveModuleSymbol({folder}, m_fileName, m_symbol);
        if (!found.function)
            throw CorvaltoError(found.error);
        m_function = found.function;
        m_folder = folder;
    }
    return m_function;
}
