#pragma once

#include <QString>
#include <functional>

// Where the application folder (database, Pictures, temp, staff, exports) may come from,
// in order of precedence.
struct AppFolderSources
{
    QString commandLineHome;   // --home DIR
    QString environmentHome;   // TENDREL_HOME
    QString programDir;        // the program file's folder (a portable install)
    QString perUserDataDir;    // the per-user data folder
    bool installed = false;    // the program sits in bin/ of an installed prefix
};

// Picks the application folder: --home, else TENDREL_HOME, else the program's
// folder when writable and not an installed prefix's bin/, else the per-user data
// folder. The result is absolute and carries no trailing separator.
QString ResolveAppFolder(const AppFolderSources& sources,
                         const std::function<bool(const QString&)>& isWritableFolder);

// The same, with the real environment, program location and file system.
QString ResolveAppFolder(const QString& commandLineHome);

// True when the folder exists (or could be created) and a file can be written in it.
bool IsWritableFolder(const QString& path);
