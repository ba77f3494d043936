#include "core/program_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSlash(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString clean(const QString& dir)
{
    return withSlash(QDir::cleanPath(dir));
}

bool isDir(const QString& path)
{
    return QFileInfo(path).isDir();
}

} // namespace

void ProgramLayout::ignoreRelativeXdgPaths()
{
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        if (qEnvironmentVariableIsSet(name) && !qgetenv(name).startsWith('/'))
            qunsetenv(name);
    }
    for (const char* name : {"XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
        if (!qEnvironmentVariableIsSet(name))
            continue;
        QByteArrayList absolute;
        for (const QByteArray& dir : qgetenv(name).split(':')) {
            if (dir.startsWith('/'))
                absolute << dir;
        }
        // Nothing left means the defaults, as when it is not set.
        if (absolute.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, absolute.join(':'));
    }
}

ProgramLayout::UserFolders ProgramLayout::userFolders()
{
    const QString home = QDir::homePath();
    UserFolders user;
    user.config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (user.config.isEmpty())
        user.config = home + QStringLiteral("/.config");
    user.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (user.documents.isEmpty())
        user.documents = home;
    user.cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (user.cache.isEmpty())
        user.cache = home + QStringLiteral("/.cache");
    user.data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (user.data.isEmpty())
        user.data = home + QStringLiteral("/.local/share");
    return user;
}

ProgramLayout ProgramLayout::detect(const QString& executableDir)
{
    return resolve(executableDir, userFolders(), QFileInfo(executableDir).isWritable());
}

ProgramLayout ProgramLayout::resolve(const QString& executableDir, const UserFolders& user,
                                     bool programFolderWritable)
{
    const QString programDir = clean(executableDir);
    ProgramLayout layout;
    layout.m_moduleDirs = {programDir, clean(programDir + InstalledModules)};
    if (!user.cache.isEmpty())
        layout.m_cacheDir = clean(user.cache) + QStringLiteral("corvalto/");

    const QString installed = clean(programDir + InstalledResources);
    if (!isDir(programDir + QStringLiteral("imm")) && isDir(installed + QStringLiteral("imm")))
        layout.m_kind = Kind::Installed;

    if (layout.m_kind == Kind::Portable && programFolderWritable) {
        layout.m_resourceDir = programDir;
        layout.m_configFile = programDir + QStringLiteral("config.ini");
        layout.m_dataDir = programDir;
        return layout;
    }
    layout.m_usesUserFolders = true;
    layout.m_resourceDir = layout.m_kind == Kind::Installed ? installed : programDir;
    layout.m_configFile = clean(user.config) + QStringLiteral("corvalto/config.ini");
    layout.m_dataDir = clean(user.documents) + QStringLiteral("Corvalto/");
    if (!user.data.isEmpty())
        layout.m_fallbackDataDir = clean(user.data) + QStringLiteral("corvalto/");
    return layout;
}

bool ProgramLayout::prepare()
{
    if (!m_usesUserFolders)
        return true;
    bool ok = QDir().mkpath(QFileInfo(m_configFile).absolutePath());
    if (ok && !QFileInfo::exists(m_configFile)) {
        QFile config(m_configFile);
        ok = config.open(QIODevice::WriteOnly);
    }
    const auto makeLists = [](const QString& dir) {
        const QDir data(dir);
        return data.mkpath(QStringLiteral("liste")) && data.mkpath(QStringLiteral("riff")) &&
               QFileInfo(dir + QStringLiteral("liste")).isWritable() &&
               QFileInfo(dir + QStringLiteral("riff")).isWritable();
    };
    m_notice.clear();
    bool listsMade = makeLists(m_dataDir);
    if (!listsMade && !m_fallbackDataDir.isEmpty()) {
        const QString documents = m_dataDir;
        const bool madeBefore = isDir(m_fallbackDataDir + QStringLiteral("liste")) &&
                                isDir(m_fallbackDataDir + QStringLiteral("riff"));
        m_dataDir = m_fallbackDataDir;
        listsMade = makeLists(m_dataDir);
        if (!listsMade)
            m_notice = QStringLiteral("Le cartelle \"liste\" e \"riff\" non si possono creare né "
                                      "in %1 né in %2.")
                           .arg(documents, m_dataDir);
        else if (!madeBefore)
            m_notice = QStringLiteral("Le cartelle \"liste\" e \"riff\" non si possono creare "
                                      "in %1: liste e riff si salvano in %2.")
                           .arg(documents, m_dataDir);
    }
    ok = listsMade && ok;
    return QDir::setCurrent(m_dataDir) && ok;
}
