#include "platform/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString Clean(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

QString ResolveAppFolder(const AppFolderSources& sources,
                         const std::function<bool(const QString&)>& isWritableFolder)
{
    if (!sources.commandLineHome.isEmpty())
        return Clean(sources.commandLineHome);
    if (!sources.environmentHome.isEmpty())
        return Clean(sources.environmentHome);
    // An installed program's folder is writable under root or a prefix in the home
    // folder; the database has no place among the programs there.
    if (!sources.programDir.isEmpty() && !sources.installed
        && isWritableFolder(sources.programDir))
        return Clean(sources.programDir);
    return Clean(sources.perUserDataDir);
}

QString ResolveAppFolder(const QString& commandLineHome)
{
    AppFolderSources sources;
    sources.commandLineHome = commandLineHome;
    sources.environmentHome = qEnvironmentVariable("TENDREL_HOME");
    sources.programDir = QCoreApplication::applicationDirPath();
    sources.installed = QFileInfo::exists(
        sources.programDir + QStringLiteral("/../share/applications/org.tendrel.Tendrel.desktop"));
    sources.perUserDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return ResolveAppFolder(sources, IsWritableFolder);
}

bool IsWritableFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        return false;
    // A probe file tells the truth where permission bits do not (network shares, ACLs).
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".tendrel-write-probe-XXXXXX")));
    return probe.open();
}
