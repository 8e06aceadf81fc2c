#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the desktop program was asked to do on its command line.
struct StartOptions
{
    QString home;               // --home DIR
    QString database;           // --database URL: the records on a server
    bool noSplash = false;      // --no-splash
    bool quitAfterStart = false;// --quit-after-start
    bool showHelp = false;      // --help
    bool showVersion = false;   // --version
    QString folder;             // a folder to open as the pictures root
    QString page;               // a page (*.wrn) to open in the Edit Center
};

// Parses the arguments after the program name. A name ending in .wrn is a page, any
// other a folder; one of each at most. On a mistake returns nullopt and sets the message.
std::optional<StartOptions> ParseStartOptions(const QStringList& arguments, QString* error);

QString StartOptionsHelp();
QString VersionText(const QString& programName);
