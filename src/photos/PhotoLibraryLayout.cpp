#include "photos/PhotoLibraryLayout.h"

#include <QDir>

namespace PhotoLibrary {

QString DefaultRoot(const QString& programDir)
{
    return QDir(programDir).filePath(QString::fromLatin1(kPicturesFolder));
}

QString MaterialsFolder(const QString& root)
{
    return QDir(root).filePath(QString::fromLatin1(kMaterialsFolder));
}

bool EnsureStandardFolders(const QString& root)
{
    const QDir dir(root);
    return QDir().mkpath(dir.filePath(QString::fromLatin1(kClassFolder)))
        && QDir().mkpath(dir.filePath(QString::fromLatin1(kMaterialsFolder)));
}

} // namespace PhotoLibrary
