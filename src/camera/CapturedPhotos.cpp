#include "camera/CapturedPhotos.h"

#include "platform/ImageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CapturedPhotos {

QString Name(const QDate& date, int number, const QString& folderName)
{
    return QStringLiteral("%1_%2_%3_%4_%5.jpg")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(number, 3, 10, QLatin1Char('0'))
        .arg(folderName);
}

QString FolderName(const QString& folder)
{
    return QFileInfo(QDir::cleanPath(folder)).fileName();
}

QString Save(const CameraFrame& frame, const QString& path)
{
    const QImage picture = frame.ToImage();
    if (picture.isNull())
        return QStringLiteral("The camera's frame is incomplete.");
    QString error;
    const QByteArray jpeg = ImageFiles::Encode(picture, QStringLiteral("jpg"), &error);
    if (jpeg.isEmpty())
        return error;

    // The strip and the tree list neither dot names nor ".part" files.
    const QFileInfo target(path);
    QFile part(target.dir().filePath(QLatin1Char('.') + target.fileName()
                                      + QStringLiteral(".part")));
    if (!part.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return part.errorString();
    const bool written = part.write(jpeg) == jpeg.size() && part.flush();
    part.close();
    // rename() never replaces an existing file.
    if (written && part.rename(path))
        return {};
    error = written ? QStringLiteral("A file named %1 is there already.").arg(target.fileName())
                    : part.errorString();
    part.remove();
    return error;
}

} // namespace CapturedPhotos
