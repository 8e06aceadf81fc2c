#include "canvas/objects/photo/Soften.h"

#include "canvas/objects/photo/PixelRows.h"

namespace PhotoPixels {
namespace {

// Output row y from the source rows around it, any of which may be missing (null) at
// the top and bottom edges.
void SoftenRow(const std::uint8_t* above, const std::uint8_t* centre, const std::uint8_t* below,
               std::uint8_t* out, int width, int bytes)
{
    const auto edgePixel = [&](int x) {
        for (int c = 0; c < bytes; ++c) {
            int sum = 8 * centre[x * bytes + c], weight = 8;
            for (const std::uint8_t* row : {above, centre, below}) {
                if (!row)
                    continue;
                for (int dx = -1; dx <= 1; ++dx) {
                    const int at = x + dx;
                    if (at < 0 || at >= width || (row == centre && dx == 0))
                        continue;
                    sum += row[at * bytes + c];
                    ++weight;
                }
            }
            out[x * bytes + c] = std::uint8_t(sum / weight);
        }
    };
    if (!above || !below || width < 3) {
        for (int x = 0; x < width; ++x)
            edgePixel(x);
        return;
    }
    edgePixel(0);
    edgePixel(width - 1);
    const qsizetype first = bytes, end = qsizetype(width - 1) * bytes;
    for (qsizetype i = first; i < end; ++i) {
        const int sum = 8 * centre[i] + above[i - bytes] + above[i] + above[i + bytes] +
                        centre[i - bytes] + centre[i + bytes] + below[i - bytes] + below[i] +
                        below[i + bytes];
        out[i] = std::uint8_t(sum >> 4);
    }
}

} // namespace

bool Soften(QImage& bitmap)
{
    if (!IsColourBitmap(bitmap))
        return false;
    // Sharing the pixels makes bits() give the bitmap its own copy to write into, while
    // `source` keeps the pixels as they were.
    const QImage source = bitmap;
    std::uint8_t* to = bitmap.bits();
    if (!to)
        return false;
    const int width = bitmap.width(), height = bitmap.height(), bytes = bitmap.depth() / 8;
    const qsizetype pitch = bitmap.bytesPerLine();
    const std::uint8_t* from = source.constBits();
    ForRowBands(height, pitch, [&](int first, int end) {
        for (int y = first; y < end; ++y) {
            const std::uint8_t* centre = from + pitch * y;
            SoftenRow(y > 0 ? centre - pitch : nullptr, centre,
                      y + 1 < height ? centre + pitch : nullptr, Row(to, pitch, y), width, bytes);
        }
    });
    return true;
}

} // namespace PhotoPixels
