#include "canvas/objects/photo/Soften.h"

#include "canvas/objects/photo/PixelRows.h"

#include <cstring>
#include <vector>

namespace PhotoPixels {
namespace {

// Bytes [first, end) of a row whose every neighbour lies inside the picture.
TENDREL_VECTOR_CLONES
void SoftenInside(const std::uint8_t* __restrict above, const std::uint8_t* __restrict centre,
                  const std::uint8_t* __restrict below, std::uint8_t* __restrict out,
                  qsizetype first, qsizetype end, int step)
{
    for (qsizetype i = first; i < end; ++i) {
        const auto sum = std::uint16_t(8 * centre[i] + above[i - step] + above[i] + above[i + step] +
                                       centre[i - step] + centre[i + step] + below[i - step] +
                                       below[i] + below[i + step]);
        out[i] = std::uint8_t(sum >> 4);
    }
}

// One output row from the original rows around it, any of which may be missing (null)
// at the top and bottom of the picture.
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
    SoftenInside(above, centre, below, out, bytes, qsizetype(width - 1) * bytes, bytes);
}

} // namespace

bool Soften(QImage& bitmap)
{
    if (!IsColourBitmap(bitmap))
        return false;
    const int width = bitmap.width(), height = bitmap.height(), bytes = bitmap.depth() / 8;
    const qsizetype pitch = bitmap.bytesPerLine(), used = qsizetype(width) * bytes;
    std::uint8_t* bits = bitmap.bits();
    if (!bits)
        return false;
    // Each band keeps the original of the row it has just overwritten; the rows next to
    // the band, which its neighbours overwrite, are saved before any band starts.
    const std::vector<PixelRowBand> bands = RowBands(height, pitch);
    const BandMargins margins(bitmap, bands, 1);
    RunBands(bands, [&](int first, int end) {
        const PixelRowBand band{first, end};
        std::vector<std::uint8_t> previous(static_cast<size_t>(used)), current(static_cast<size_t>(used));
        if (first > 0)
            std::memcpy(previous.data(), margins.Row(band, first - 1), size_t(used));
        for (int y = first; y < end; ++y) {
            std::uint8_t* row = Row(bits, pitch, y);
            std::memcpy(current.data(), row, size_t(used));
            SoftenRow(y > 0 ? previous.data() : nullptr, current.data(),
                      y + 1 < height ? margins.Row(band, y + 1) : nullptr, row, width, bytes);
            previous.swap(current);
        }
    });
    return true;
}

} // namespace PhotoPixels
