#include "canvas/objects/photo/CropPixels.h"

#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <vector>

namespace PhotoPixels {
namespace {

// One byte per pixel of `box`: 1 where the region covers it.
std::vector<std::uint8_t> RegionMask(const QRegion& region, const QRect& box)
{
    std::vector<std::uint8_t> mask(size_t(box.width()) * size_t(box.height()), 0);
    for (const QRect& part : region) {
        const QRect inBox = part.intersected(box);
        for (int y = inBox.top(); y <= inBox.bottom(); ++y) {
            std::uint8_t* row = mask.data() + size_t(y - box.top()) * size_t(box.width());
            std::fill(row + (inBox.left() - box.left()), row + (inBox.right() + 1 - box.left()), 1);
        }
    }
    return mask;
}

} // namespace

QImage CroppedToRect(const QImage& bitmap, const QRect& area)
{
    if (area.isEmpty())
        return {};
    return bitmap.copy(area);
}

QImage CroppedToRegion(const QImage& bitmap, const QRegion& region)
{
    const QRect box = region.boundingRect();
    if (box.isEmpty())
        return {};
    QImage result(box.size(), QImage::Format_ARGB32);
    if (result.isNull())
        return {};
    result.fill(0);
    const int bits = BitsPerPixel(bitmap);
    if (bits != 24 && bits != 32)
        return result;
    const std::vector<std::uint8_t> mask = RegionMask(region, box);
    const QRect shared = box.intersected(bitmap.rect());
    for (int y = shared.top(); y <= shared.bottom(); ++y) {
        const uchar* from = bitmap.constScanLine(y);
        uchar* to = result.scanLine(y - box.top());
        const std::uint8_t* inside = mask.data() + size_t(y - box.top()) * size_t(box.width());
        for (int x = shared.left(); x <= shared.right(); ++x) {
            const int t = x - box.left();
            if (!inside[t])
                continue;
            const uchar* pixel = from + x * (bits / 8);
            to[4 * t] = pixel[0];
            to[4 * t + 1] = pixel[1];
            to[4 * t + 2] = pixel[2];
            to[4 * t + 3] = bits == 32 ? pixel[3] : 255;
        }
    }
    return result;
}

QImage Erased(const QImage& bitmap, const QRegion& area)
{
    if (!IsColourBitmap(bitmap))
        return {};
    QImage result = AsAlphaBitmap(bitmap);
    if (result.isNull())
        return {};
    for (const QRect& part : area) {
        const QRect inside = part.intersected(result.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::fill_n(result.scanLine(y) + 4 * inside.left(), 4 * inside.width(), uchar(0));
    }
    return result;
}

} // namespace PhotoPixels
