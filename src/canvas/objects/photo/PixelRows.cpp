#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace PhotoPixels {

int BitsPerPixel(const QImage& bitmap)
{
    switch (bitmap.format()) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Indexed8: return 8;
    case QImage::Format_BGR888: return 24;
    case QImage::Format_ARGB32: return 32;
    default: return 0;
    }
}

bool IsColourBitmap(const QImage& bitmap)
{
    const int bits = BitsPerPixel(bitmap);
    return bits == 24 || bits == 32;
}

QImage WithAlphaChannel(const QImage& bitmap, std::uint8_t alpha)
{
    QImage result(bitmap.size(), QImage::Format_ARGB32);
    if (result.isNull() || bitmap.format() != QImage::Format_BGR888)
        return {};
    const std::uint8_t* from = bitmap.constBits();
    std::uint8_t* to = result.bits();
    const qsizetype fromPitch = bitmap.bytesPerLine(), toPitch = result.bytesPerLine();
    const int width = bitmap.width();
    ForRowBands(bitmap.height(), toPitch, [&](int first, int end) {
        for (int y = first; y < end; ++y) {
            const std::uint8_t* source = from + fromPitch * y;
            std::uint8_t* target = Row(to, toPitch, y);
            for (int x = 0; x < width; ++x) {
                target[4 * x] = source[3 * x];
                target[4 * x + 1] = source[3 * x + 1];
                target[4 * x + 2] = source[3 * x + 2];
                target[4 * x + 3] = alpha;
            }
        }
    });
    return result;
}

QImage AsAlphaBitmap(const QImage& bitmap)
{
    return BitsPerPixel(bitmap) == 32 ? bitmap : WithAlphaChannel(bitmap, 255);
}

QImage WholeBytePixels(const QImage& picture)
{
    return picture.depth() % 8 == 0 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
}

QImage BlankLike(const QImage& picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    QImage blank(size, picture.format());
    if (!blank.isNull())
        blank.setColorTable(picture.colorTable());
    return blank;
}

void ForRowBands(int rows, qsizetype bytesPerRow, const RowBandWork& work)
{
    // Below this a thread costs more than it saves.
    constexpr qsizetype kMinBandBytes = 512 * 1024;
    constexpr unsigned kMaxBands = 8;
    if (rows <= 0)
        return;
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxBands);
    const qsizetype byBytes = std::max<qsizetype>(1, bytesPerRow * rows / kMinBandBytes);
    const int bands = int(std::min<qsizetype>({qsizetype(cores), qsizetype(rows), byBytes}));
    const auto bandStart = [&](int band) { return int(qint64(rows) * band / bands); };

    std::vector<std::thread> helpers;
    int inlineFrom = bands; // bands that could not get a thread run here
    for (int band = 1; band < bands; ++band) {
        try {
            helpers.emplace_back(work, bandStart(band), bandStart(band + 1));
        } catch (const std::system_error&) {
            inlineFrom = band;
            break;
        }
    }
    work(0, bandStart(1));
    for (int band = inlineFrom; band < bands; ++band)
        work(bandStart(band), bandStart(band + 1));
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace PhotoPixels
