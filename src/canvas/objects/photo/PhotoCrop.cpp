#include "canvas/objects/photo/PhotoCrop.h"

#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/CropPixels.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/photo/PhotoFiles.h"

#include <QFileInfo>
#include <algorithm>

namespace PhotoCrop {
namespace {

QRect PageRectOf(const PhotoObject& photo)
{
    return QRect(photo.m_rect.left, photo.m_rect.top, photo.m_rect.Width(), photo.m_rect.Height());
}

PageRect ToPageRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

bool CanBeCut(const PhotoObject& photo)
{
    // Edges a damaged document may hold are kept well inside what QRect can add up.
    constexpr std::int32_t kFar = 1 << 29;
    const PageRect& r = photo.m_rect;
    const bool onSomePage = std::max({std::abs(qint64(r.left)), std::abs(qint64(r.top)),
                                      std::abs(qint64(r.right)), std::abs(qint64(r.bottom))}) < kFar;
    return photo.HasDecodedBitmap() && !photo.IsMetafile() && !r.IsEmpty() && onSomePage;
}

QString FreeCropPath(const QString& path)
{
    QString candidate = PhotoFiles::CropPath(path);
    for (int number = 2; QFileInfo::exists(candidate); ++number)
        candidate = PhotoFiles::CropPath(path, number);
    return candidate;
}

// Writes the photo's bitmap to its path now; on failure it is kept for the next save.
bool WriteNow(PhotoObject& photo, QString* error)
{
    PhotoAdjustments::BakeIn(photo);
    if (PhotoFiles::WritePicture(photo.DecodedBitmap(), photo.m_strPath, error))
        return true;
    photo.m_bEdited = 1;
    return false;
}

} // namespace

bool CropToRect(PhotoObject& photo, const QRect& selection, QString* error)
{
    if (!CanBeCut(photo))
        return false;
    const QRect whole = PageRectOf(photo);
    const QRect kept = selection.intersected(whole);
    if (kept.isEmpty() || kept == whole)
        return false;
    QImage cropped = PhotoPixels::CroppedToRect(photo.DecodedBitmap(), kept.translated(-whole.topLeft()));
    if (cropped.isNull())
        return false;
    photo.m_rect = ToPageRect(kept);
    photo.ReplacePictures(cropped, cropped);
    photo.SetPath(FreeCropPath(photo.m_strPath));
    WriteNow(photo, error);
    return true;
}

bool CropToRegion(PhotoObject& photo, const QRegion& region)
{
    if (!CanBeCut(photo) || region.boundingRect().isEmpty())
        return false;
    const QRect whole = PageRectOf(photo);
    QImage cropped = PhotoPixels::CroppedToRegion(photo.DecodedBitmap(),
                                                  region.translated(-whole.topLeft()));
    if (cropped.isNull())
        return false;
    photo.m_rect = ToPageRect(region.boundingRect());
    photo.SetEditedBitmap(std::move(cropped));
    PhotoAdjustments::BakeIn(photo);
    photo.m_bEdited = 1;
    return true;
}

bool Erase(PhotoObject& photo, const QRegion& area)
{
    if (!CanBeCut(photo))
        return false;
    const QRect whole = PageRectOf(photo);
    if (area.isEmpty() || area == QRegion(whole))
        return false;
    QImage erased = PhotoPixels::Erased(photo.DecodedBitmap(), area.translated(-whole.topLeft()));
    if (erased.isNull())
        return false;
    photo.SetEditedBitmap(std::move(erased));
    // Written with the page, not at once, so undoing an erase loses nothing on disk.
    PhotoAdjustments::BakeIn(photo);
    photo.m_bEdited = 1;
    return true;
}

} // namespace PhotoCrop
