#pragma once

#include <QImage>
#include <QSize>

namespace PhotoPixels {

// The picture scaled smoothly to `size` for the screen, 32-bit premultiplied, which
// paints fastest. Null for an empty size or when it cannot be allocated.
QImage ScaledForScreen(const QImage& picture, QSize size);

} // namespace PhotoPixels

// What a photo's copy for the screen is kept for: the shown pixels, by their
// QImage::cacheKey(), which changes with every edit, and the size.
struct ScaledPictureKey
{
    qint64 source = 0;
    QSize size;

    friend bool operator==(const ScaledPictureKey&, const ScaledPictureKey&) = default;
};
