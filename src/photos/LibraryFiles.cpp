#include "photos/LibraryFiles.h"

#include <QFile>

bool LibraryFiles::Discard(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    return QFile::moveToTrash(path) || QFile::remove(path);
}
