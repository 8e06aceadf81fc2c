#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

// Keeping or erasing part of a bitmap. Areas are in bitmap pixels; parts of them that
// fall outside the bitmap hold no picture.
namespace PhotoPixels {

// The pixels of `area`, in the bitmap's own format; null for an empty area.
QImage CroppedToRect(const QImage& bitmap, const QRect& area);

// A 32-bit bitmap of the region's bounding box: inside the region blue, green and red of
// the bitmap with alpha 255 (or the bitmap's own alpha), elsewhere all four bytes 0.
// Bitmaps of other depths than 24 and 32 give an all-zero result.
QImage CroppedToRegion(const QImage& bitmap, const QRegion& region);

// The bitmap with every pixel inside `area` set to 0 in all four bytes; a 24-bit bitmap
// becomes 32-bit, opaque outside the area. Null for other depths.
QImage Erased(const QImage& bitmap, const QRegion& area);

} // namespace PhotoPixels
