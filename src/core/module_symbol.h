#pragma once

#include <QString>
#include <QStringList>

// A function exported by a module that the program loads only when first needed
// (the screen saver's mesh reader, the sound output). The module file is looked
// for in each folder in turn; once loaded it stays mapped until the program ends,
// since the function's code lives in it.
struct ModuleSymbol
{
    QFunctionPointer function = nullptr;
    // When no folder gave the function: the first candidate that exists but could
    // not be loaded, or else the first path looked for.
    QString failedPath;
};

ModuleSymbol resolveModuleSymbol(const QStringList& folders, const QString& fileName,
                                 const char* symbol);

// One function of such a module, loaded on its first use. The folders are the
// program layout's module folders unless others are given (the tests' and
// benchmarks' own program folder).
class ModuleFunction
{
public:
    ModuleFunction(QString fileName, const char* symbol);

    QString fileName() const { return m_fileName; }
    QStringList folders() const;
    // An empty list restores the default. The next use looks for the module again.
    void setFolders(const QStringList& folders);

    bool isLoaded() const { return m_function != nullptr; }
    // Loads the module unless it is loaded. Throws CorvaltoError "Cannot open
    // file <path>" when it cannot be loaded: the path is the first candidate
    // that exists, or the first one looked for when none does.
    QFunctionPointer function();

private:
    QString m_fileName;
    const char* m_symbol;
    QStringList m_folders;
    QFunctionPointer m_function = nullptr;
};
