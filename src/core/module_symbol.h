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
