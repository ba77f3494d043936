#pragma once

#include <QString>
#include <QStringList>

// The modules the program loads only when first needed (the screen saver's mesh
// reader, the sound output) live in one folder, which the program layout
// decides: beside the executable in the portable folder, the library folder of
// the installed layout. No other folder is looked in, so that no other copy can
// stand in for a module that is missing or fails to load.
void setModuleFolder(const QString& folder);
// The folder set, or else the layout's of the running executable.
QString moduleFolder();

struct ModuleSymbol
{
    QFunctionPointer function = nullptr;
    // Without the function: "Cannot open file <path>" for a missing module, or
    // the loader's own message in an Italian sentence.
    QString error;
};

// Looks for the module in the first folder where its file exists, and there only.
ModuleSymbol resolveModuleSymbol(const QStringList& folders, const QString& fileName,
                                 const char* symbol);

// One function of a module in moduleFolder(), loaded on its first use and kept
// mapped until the program ends, since the function's code lives in it.
class ModuleFunction
{
public:
    ModuleFunction(QString fileName, const char* symbol);

    QString fileName() const { return m_fileName; }
    bool isLoaded() const { return m_function != nullptr; }
    // Loads the module unless it is loaded from moduleFolder(); throws
    // CorvaltoError with the message of ModuleSymbol::error when it cannot.
    QFunctionPointer function();

private:
    QString m_fileName;
    const char* m_symbol;
    QString m_folder;
    QFunctionPointer m_function = nullptr;
};
