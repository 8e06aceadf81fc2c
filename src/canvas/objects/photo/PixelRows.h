#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <vector>

// What every pixel rule shares: the depth of a decoded bitmap, its rows as raw bytes,
// and running row-independent work on all cores.
namespace PhotoPixels {

// 8, 24 or 32 for a decoded bitmap (grey or palette, blue-green-red, with alpha); 0 for
// any other format.
int BitsPerPixel(const QImage& bitmap);
// Most colour rules are defined for 24- and 32-bit bitmaps only.
bool IsColourBitmap(const QImage& bitmap);

// A 32-bit copy of a 24-bit bitmap with every alpha set to `alpha`.
QImage WithAlphaChannel(const QImage& bitmap, std::uint8_t alpha);
// The bitmap itself when it already has alpha, else WithAlphaChannel(bitmap, 255).
QImage AsAlphaBitmap(const QImage& bitmap);

// Pictures of less than a byte a pixel widened to 32 bits, so rules move whole bytes.
QImage WholeBytePixels(const QImage& picture);
// A picture of the same format and palette at another size, its pixels not yet set;
// null for an empty size, a null picture or one too large to allocate.
QImage BlankLike(const QImage& picture, QSize size);

// Calls work(firstRow, endRow) over disjoint bands that cover 0..rows, on several
// threads when the picture is large enough to gain from it.
using RowBandWork = std::function<void(int firstRow, int endRow)>;
void ForRowBands(int rows, qsizetype bytesPerRow, const RowBandWork& work);

// The same in two steps, for rules that must note something about each band (the rows
// around it, which a neighbouring band will overwrite) before any band starts.
struct PixelRowBand
{
    int first = 0;
    int end = 0;
};
std::vector<PixelRowBand> RowBands(int rows, qsizetype bytesPerRow);
// At most this many bands from now on (0: one per core); for measuring and testing.
void LimitBands(unsigned maxBands);
void RunBands(const std::vector<PixelRowBand>& bands, const RowBandWork& work);

// Copies of the rows just outside each band as they are before any band starts:
// `reach` rows above and below. Rows outside the picture are left out.
class BandMargins
{
public:
    BandMargins(const QImage& bitmap, const std::vector<PixelRowBand>& bands, int reach);
    // Row y as it was: the saved copy when y lies outside the band, else the row itself.
    const std::uint8_t* Row(const PixelRowBand& band, int y) const;

private:
    const QImage& m_bitmap;
    int m_reach;
    std::vector<std::vector<std::uint8_t>> m_saved; // per band: above rows, then below rows
    std::vector<int> m_firstRows;
};

// Hot loops get a copy for wider vector units, chosen when the program starts, where
// the compiler can make one.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define TENDREL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define TENDREL_VECTOR_CLONES
#endif

// A computed channel value as a byte: truncated, clamped, and NaN as 0.
inline std::uint8_t TruncatedByte(double value)
{
    if (!(value > 0.0))
        return 0;
    return value >= 255.0 ? 255 : std::uint8_t(value);
}

// Row y of a bitmap whose bits were taken once (so threads never detach it).
inline std::uint8_t* Row(std::uint8_t* bits, qsizetype bytesPerLine, int y)
{
    return bits + bytesPerLine * y;
}

// Calls perRow(first byte of the row) for every row of a bitmap, on all cores.
template <class PerRow>
void ForEachRow(QImage& bitmap, PerRow perRow)
{
    const qsizetype pitch = bitmap.bytesPerLine();
    std::uint8_t* bits = bitmap.bits(); // detached here, before any thread starts
    ForRowBands(bitmap.height(), pitch, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            perRow(Row(bits, pitch, y));
    });
}

// Calls perPixel(first byte of the pixel) for every pixel of a bitmap of whole-byte
// pixels, on all cores.
template <class PerPixel>
void ForEachPixel(QImage& bitmap, PerPixel perPixel)
{
    const int step = bitmap.depth() / 8;
    const int width = bitmap.width();
    ForEachRow(bitmap, [&](std::uint8_t* pixel) {
        for (int x = 0; x < width; ++x, pixel += step)
            perPixel(pixel);
    });
}


} // namespace PhotoPixels
