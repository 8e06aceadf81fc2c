#include "photos/PhotoFiles.h"

#include "photos/FolderWalk.h"

#include <QFileInfo>
#include <algorithm>

namespace PhotoFiles {

bool IsPhoto(const QString& fileName, const QString& extensionList)
{
    if (fileName.startsWith(QLatin1Char('.')))
        return false;
    // A plain substring test, as the lists always matched: "pg" belongs, "jpeg" does not.
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return extensionList.contains(dot < 0 ? fileName : fileName.mid(dot + 1), Qt::CaseSensitive);
}

std::vector<PhotoFile> ListFolder(const QString& folder, const QString& extensionList)
{
    std::vector<PhotoFile> photos;
    for (const QFileInfo& entry : FolderWalk::EntriesByName(folder, QDir::Files)) {
        if (!IsPhoto(entry.fileName(), extensionList))
            continue;
        PhotoFile photo;
        photo.name = entry.fileName();
        photo.path = entry.filePath();
        photo.size = static_cast<quint32>(entry.size());
        photo.modified = entry.lastModified().toLocalTime();
        photo.created = entry.birthTime().isValid() ? entry.birthTime().toLocalTime()
                                                    : entry.metadataChangeTime().toLocalTime();
        photos.push_back(photo);
    }
    return photos;
}

namespace {

// The picture ending of a typed name, empty when it has none: "Mia.Lee" or "Trip.2024"
// are names, not a photo turned into another kind.
QString TypedExtension(const QString& name)
{
    static const QStringList kPictureEndings = {"jpg", "jpeg", "jpe", "png", "bmp", "gif",
                                                "tif", "tiff", "emf", "webp"};
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {};
    const QString suffix = name.mid(dot + 1);
    return kPictureEndings.contains(suffix, Qt::CaseInsensitive) ? suffix : QString();
}

} // namespace

QString RenamedFileName(const QString& oldName, const QString& typed, QString* problem)
{
    if (typed.trimmed().isEmpty() || typed.startsWith(QLatin1Char('.'))) {
        if (problem)
            *problem = typed.trimmed().isEmpty()
                ? QStringLiteral("Please type a name.")
                : QStringLiteral("A photo's name cannot begin with a dot: the photo would be "
                                 "hidden.");
        return {};
    }
    const qsizetype dot = oldName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 ? oldName.mid(dot + 1) : QString();
    if (extension.isEmpty())
        return typed;
    const QString typedExtension = TypedExtension(typed);
    if (typedExtension.isEmpty())
        return typed + QLatin1Char('.') + extension;
    if (typedExtension.compare(extension, Qt::CaseInsensitive) == 0)
        return typed.left(typed.size() - typedExtension.size()) + extension;
    if (problem)
        *problem = QStringLiteral("A photo keeps its ending .%1 when it is renamed. Please type "
                                  "the new name without .%2.")
                       .arg(extension, typedExtension);
    return {};
}

QString SizeText(quint32 size)
{
    if (size < 1024)
        return QString::asprintf("%u Bytes", size);
    return QString::asprintf("%u KB", size / 1024);
}

QString TypeText(const QString& fileName)
{
    return fileName.right(3).toUpper() + QStringLiteral(" Image");
}

QString DateText(const QDateTime& localTime)
{
    if (!localTime.isValid())
        return {};
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    return QString::asprintf("%02d/%02d/%d  %02d:%02d", date.month(), date.day(), date.year(),
                             time.hour(), time.minute());
}

} // namespace PhotoFiles

bool PhotoFiles::SameListing(const std::vector<PhotoFile>& a, const std::vector<PhotoFile>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.path == y.path && x.size == y.size && x.modified == y.modified;
    });
}
