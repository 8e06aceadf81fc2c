#pragma once

#include <QByteArray>
#include <QImage>

// Camera-like JPEG files, made by hand for the thumbnail tests and the benchmark.
namespace ExifJpeg {

QByteArray Encoded(const QImage& image, int quality = 95);

// `photo` as a JPEG whose EXIF block (right after the start marker, little-endian)
// carries `orientation` in IFD0 and, unless `preview` is empty, those bytes as IFD1's
// JPEG preview.
QByteArray Photo(const QImage& photo, int orientation, const QByteArray& preview = {},
                 int quality = 95);

} // namespace ExifJpeg
