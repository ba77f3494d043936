#pragma once

#include <QString>
#include <QStringList>

// Where the program finds its resources and keeps the user's files. Every
// path the program reads or writes outside the file dialogs comes from here.
//  - Portable (the folder the build makes): the executable, imm/, the help
//    document, config.ini, liste/ and riff/ side by side in the program folder;
//    the working directory stays the one the program was started in.
//  - Installed: the executable in <prefix>/bin, the read-only resources in
//    <prefix>/share/corvalto/, config.ini in the user's configuration folder
//    and liste/ and riff/ in a "Corvalto" folder of the user's documents,
//    which becomes the working directory.
// A program folder holding imm/ is portable; otherwise an installed tree is
// recognised by <prefix>/share/corvalto/imm/ beside the executable's bin/.
// A portable folder the user cannot write keeps its resources there but keeps
// the user's files in the user's folders, as the installed layout does.
// Where the documents folder cannot be written, liste/ and riff/ go to a
// "corvalto" folder of the user's data folder ($XDG_DATA_HOME): the place the
// user's own program data belongs in when it is not a document, always the
// user's and writable whenever anything of the user's is.
class ProgramLayout
{
public:
    enum class Kind { Portable, Installed };

    // The user's own folders, without trailing "/".
    struct UserFolders
    {
        QString config;    // $XDG_CONFIG_HOME, by default ~/.config
        QString documents; // the user's documents folder
        QString cache;     // $XDG_CACHE_HOME, by default ~/.cache
        QString data;      // $XDG_DATA_HOME, by default ~/.local/share
    };

    // Resources relative to the executable's folder in an installed tree.
    static inline const QString InstalledResources = QStringLiteral("../share/corvalto/");
    static inline const QString InstalledModules = QStringLiteral("../lib/corvalto/");

    static ProgramLayout detect(const QString& executableDir);
    static ProgramLayout resolve(const QString& executableDir, const UserFolders& user,
                                 bool programFolderWritable);
    static UserFolders userFolders();
    // A relative path in XDG_CONFIG_HOME, XDG_CACHE_HOME, XDG_DATA_HOME,
    // XDG_STATE_HOME or XDG_RUNTIME_DIR, or among XDG_CONFIG_DIRS and
    // XDG_DATA_DIRS, is invalid and to be ignored: it is taken out of the
    // environment before anything reads it (the toolkit, the programs started
    // from here). Called first thing at start.
    static void ignoreRelativeXdgPaths();

    Kind kind() const { return m_kind; }
    // True when config.ini, liste/ and riff/ live in the user's folders.
    bool usesUserFolders() const { return m_usesUserFolders; }
    // imm/ and the help document; with a trailing "/".
    QString resourceDir() const { return m_resourceDir; }
    QString configFile() const { return m_configFile; }
    // The folder holding liste/ and riff/; with a trailing "/".
    QString dataDir() const { return m_dataDir; }
    // Where loadable modules are looked for, first match wins: beside the
    // executable, then <prefix>/lib/corvalto/.
    QStringList moduleDirs() const { return m_moduleDirs; }
    // What the program keeps only to start sooner, in either layout: the user's
    // cache folder's "corvalto" folder, with a trailing "/"; made when first
    // written to.
    QString cacheDir() const { return m_cacheDir; }

    // In the user's folders, makes the folders and an empty config.ini where
    // they are missing (an existing config.ini is kept) and makes dataDir the
    // working directory; dataDir moves to the data folder when liste/ and riff/
    // cannot be made in the documents folder. A portable folder is left as it
    // is. False when something could not be made; the start-up then reports
    // the missing config.ini as it would in a portable folder.
    bool prepare();
    // What prepare() has to tell the user, in Italian, or nothing: where the
    // lists went instead of the documents folder, the start that made that
    // folder only.
    QString notice() const { return m_notice; }

private:
    Kind m_kind = Kind::Portable;
    bool m_usesUserFolders = false;
    QString m_resourceDir;
    QString m_configFile;
    QString m_dataDir;
    QStringList m_moduleDirs;
    QString m_cacheDir;
    QString m_fallbackDataDir;
    QString m_notice;
};
