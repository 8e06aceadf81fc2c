// tendrel-pictures OUTDIR: writes pictures of every center, dialog and kind of page
// object into OUTDIR, on a fresh application folder and settings file.
#include "Pictures.h"

#include "settings/ProgramState.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <iostream>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "Usage: tendrel-pictures OUTDIR\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir home;
    if (!folder.mkpath(QStringLiteral(".")) || !home.isValid()) {
        std::cerr << "Could not make the folders for the pictures\n";
        return 1;
    }
    // The pictures never read or change the person's own settings.
    SettingsStore::UseFile(home.filePath(QStringLiteral("settings.ini")));
    Program().programDir = home.path();

    const QString photo = WriteSamplePicture(folder);
    bool written = WriteCanvasPages(folder, photo);
    written &= WriteCanvasViewPictures(folder, photo);
    written &= WriteWindowPictures(folder);
    written &= WriteCameraPictures(folder);
    SettingsStore::UseNative();
    return written ? 0 : 1;
}
