#include "canvas/objects/photo/PhotoFiles.h"

#include "canvas/objects/PhotoObject.h"
#include "platform/ImageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace PhotoFiles {
namespace {

const QLatin1String kCropEnding("_crop");

} // namespace

QString EncoderSuffix(const QString& path)
{
    // "_crop", "_crop2" … once or more at the very end.
    static const QRegularExpression cropEndings(QStringLiteral("(_crop\\d*)+$"));
    QString name = QFileInfo(path).fileName();
    name.remove(cropEndings);
    return QFileInfo(name).suffix().toLower();
}

QString CropPath(const QString& path, int number)
{
    // The extension stays last, so the crop is a photo the library lists like any other.
    const QFileInfo photo(path);
    QString ending = kCropEnding;
    if (number > 1)
        ending += QString::number(number);
    const QString suffix = photo.suffix();
    const QString name = suffix.isEmpty()
        ? photo.fileName() + ending
        : photo.completeBaseName() + ending + QLatin1Char('.') + suffix;
    return photo.dir().filePath(name);
}

bool WritePicture(const QImage& picture, const QString& path, QString* error)
{
    return ImageFiles::WriteAs(picture, path, EncoderSuffix(path), error);
}

std::unique_ptr<PhotoObject> PhotoFromPastedPicture(const QImage& pasted, const QString& folder,
                                                     QPoint at, QString* error)
{
    const QByteArray bytes = ImageFiles::Encode(pasted, QStringLiteral("bmp"), error);
    if (bytes.isEmpty())
        return nullptr;
    // Opening with NewOnly fails on any existing name, so even a file made between the
    // check and the write is never replaced.
    constexpr int kMaxNumber = 100000;
    const QDir dir(folder);
    for (int number = 1; number <= kMaxNumber; ++number) {
        const QString path = dir.filePath(QStringLiteral("pastedbitmap_%1.bmp").arg(number));
        if (QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path))
                continue; // taken just now
            if (error)
                *error = file.errorString();
            return nullptr;
        }
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            if (error)
                *error = file.errorString();
            file.close();
            file.remove();
            return nullptr;
        }
        file.close();
        auto photo = std::make_unique<PhotoObject>();
        photo->SetPath(path);
        photo->LoadPicture();
        photo->m_rect = {at.x(), at.y(), at.x() + pasted.width(), at.y() + pasted.height()};
        return photo;
    }
    if (error)
        *error = QStringLiteral("There is no free name for a pasted picture in %1.").arg(folder);
    return nullptr;
}

} // namespace PhotoFiles
