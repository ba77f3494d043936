#pragma once

#include <QString>

// The program's own captions and messages that more than one window or
// controller shows or compares against. Each is used exactly as written here.
namespace texts {

// The name panel before any chord is picked.
inline const QString NothingChosen = QStringLiteral("Scegli");
// The name panel's caption for the blank; list lines store it as "-".
inline const QString Blank = QStringLiteral("Spazio Vuoto");
// The title of a new list and the title field's hint.
inline const QString ListTitle = QStringLiteral("Titolo lista");
// The file name of a list that has none yet.
inline const QString NewList = QStringLiteral("Nuova lista");
inline const QString ListInformation = QStringLiteral("Informazioni lista aggiuntive");
inline const QString ListFileName = QStringLiteral("Nome file lista");
inline const QString PagePreview = QStringLiteral("Pagina anteprima lista (Html)");
inline const QString OpenList = QStringLiteral("Apri lista...");
inline const QString SaveListAs = QStringLiteral("Salva lista con nome...");
inline const QString RiffFolder = QStringLiteral("Cartella riff");
inline const QString RiffEditorTitle = QStringLiteral("Virmosk Riff Editor 1.0");
inline const QString ScreenSaverTitle = QStringLiteral("Virmosk Screen Saver 1.0 Finale");
inline const QString Close = QStringLiteral("Chiudi");

} // namespace texts
