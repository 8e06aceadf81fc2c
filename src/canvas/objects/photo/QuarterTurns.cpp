#include "canvas/objects/photo/QuarterTurns.h"

#include "canvas/objects/photo/PixelRows.h"

#include <cstring>

namespace PhotoPixels {
namespace {

// Target pixel (x, y) of a turned picture takes the source pixel sourceOf(x, y).
template <class SourceOf>
QImage Turned(const QImage& original, SourceOf sourceOf)
{
    const QImage picture = WholeBytePixels(original);
    QImage result = BlankLike(picture, picture.size().transposed());
    if (result.isNull())
        return {};
    const int bytes = picture.depth() / 8;
    for (int y = 0; y < result.height(); ++y) {
        uchar* target = result.scanLine(y);
        for (int x = 0; x < result.width(); ++x) {
            const QPoint from = sourceOf(x, y);
            std::memcpy(target + x * bytes, picture.constScanLine(from.y()) + from.x() * bytes,
                        size_t(bytes));
        }
    }
    return result;
}

} // namespace

QImage TurnedLeft(const QImage& picture)
{
    // The top row becomes the left column, read bottom up.
    const int lastColumn = picture.width() - 1;
    return Turned(picture, [&](int x, int y) { return QPoint(lastColumn - y, x); });
}

QImage TurnedRight(const QImage& picture)
{
    const int lastRow = picture.height() - 1;
    return Turned(picture, [&](int x, int y) { return QPoint(y, lastRow - x); });
}

QImage Mirrored(const QImage& picture)
{
    return picture.mirrored(true, false);
}

QImage Flipped(const QImage& picture)
{
    return picture.mirrored(false, true);
}

} // namespace PhotoPixels
