#include "canvas/objects/photo/QuarterTurns.h"

#include <cstring>

namespace PhotoPixels {
namespace {

// Pictures of less than a byte a pixel are widened first, so every turn moves whole bytes.
QImage WholeBytePixels(const QImage& picture)
{
    return picture.depth() % 8 == 0 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
}

// Target pixel (x, y) of a turned picture takes the source pixel sourceOf(x, y).
template <class SourceOf>
QImage Turned(const QImage& original, SourceOf sourceOf)
{
    const QImage picture = WholeBytePixels(original);
    if (picture.isNull())
        return {};
    QImage result(picture.height(), picture.width(), picture.format());
    if (result.isNull())
        return {};
    result.setColorTable(picture.colorTable());
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
