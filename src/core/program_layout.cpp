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

    const QString installed = clean(programDir + InstalledResources);
    if (!isDir(programDir + QStringLiteral("imm")) && isDir(installed + QStringLiteral("imm")))
        layout.m_kind = Kind::Installed;
    layout.m_moduleDir =
        layout.m_kind == Kind::Installed ? clean(programDir + InstalledModules) : programDir;

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
    return layout;
}

bool ProgramLayout::prepare() const
{
    if (!m_usesUserFolders)
        return true;
    bool ok = QDir().mkpath(QFileInfo(m_configFile).absolutePath());
    if (ok && !QFileInfo::exists(m_configFile)) {
        QFile config(m_configFile);
        ok = config.open(QIODevice::WriteOnly);
    }
    const QDir data(m_dataDir);
    ok = data.mkpath(QStringLiteral("liste")) && ok;
    ok = data.mkpath(QStringLiteral("riff")) && ok;
    return QDir::setCurrent(m_dataDir) && ok;
}
