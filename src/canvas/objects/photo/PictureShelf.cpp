#include "canvas/objects/photo/PictureShelf.h"

#include <QFileInfo>

QImage ReadPhotoPicture(const QString& path, bool editable, const ImageFiles::ReadLimits& limits,
                        ImageFiles::ReadFailure* failure)
{
    const QImage read = ImageFiles::Read(path, limits, failure);
    return editable ? ImageFiles::DecodedBitmap(read) : read;
}

QImage PictureShelf::Picture(const QString& path, bool editable)
{
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    const FileKey key{canonical.isEmpty() ? path : canonical, file.size(), file.lastModified(),
                       editable};
    auto shelved = m_shelved.find(key);
    if (shelved == m_shelved.end()) {
        ImageFiles::ReadLimits limits;
        limits.maxPixels = m_left;
        ImageFiles::ReadFailure failure = ImageFiles::ReadFailure::None;
        Shelved read{ReadPhotoPicture(path, editable, limits, &failure)};
        read.tooLarge = failure == ImageFiles::ReadFailure::TooLarge;
        m_left -= qint64(read.picture.width()) * read.picture.height();
        shelved = m_shelved.emplace(key, std::move(read)).first;
    }
    if (shelved->second.tooLarge)
        LeaveOut();
    return shelved->second.picture;
}

bool PictureShelf::Take(qint64 pixels)
{
    if (pixels > m_left)
        return false;
    m_left -= pixels;
    return true;
}
