// tendrel-pictures OUTDIR: writes pictures of every center, dialog and kind of page
// object into OUTDIR, on a fresh application folder and settings file.
// tendrel-pictures --home DIR OUTDIR: writes every center on the center kept in DIR.
#include "Pictures.h"

#include "settings/ProgramState.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <iostream>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString home;
    if (arguments.size() == 3 && arguments.first() == QLatin1String("--home")) {
        home = arguments[1];
        arguments = arguments.mid(2);
    }
    if (arguments.size() != 1) {
        std::cerr << "Usage: tendrel-pictures [--home DIR] OUTDIR\n";
        return 2;
    }
    const QDir folder(arguments.first());
    QTemporaryDir fresh;
    if (!folder.mkpath(QStringLiteral(".")) || !fresh.isValid()) {
        std::cerr << "Could not make the folders for the pictures\n";
        return 1;
    }
    // The pictures never read or change the person's own settings.
    const QString programDir = home.isEmpty() ? fresh.path() : QDir(home).absolutePath();
    if (!SettingsStore::UseFolderFileIfPresent(programDir))
        SettingsStore::UseFile(fresh.filePath(QStringLiteral("settings.ini")));
    Program().programDir = programDir;

    bool written = true;
    if (!home.isEmpty()) {
        written = WriteSampleCenterPictures(folder);
    } else {
        const QString photo = WriteSamplePicture(folder);
        written &= WriteCanvasPages(folder, photo);
        written &= WriteCanvasViewPictures(folder, photo);
        written &= WriteWindowPictures(folder);
        written &= WriteCameraPictures(folder);
    }
    SettingsStore::UseNative();
    return written ? 0 : 1;
}
