#pragma once

#include <QImage>
#include <cstdint>
#include <functional>

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

// Calls work(firstRow, endRow) over disjoint bands that cover 0..rows, on several
// threads when the picture is large enough to gain from it.
using RowBandWork = std::function<void(int firstRow, int endRow)>;
void ForRowBands(int rows, qsizetype bytesPerRow, const RowBandWork& work);

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

} // namespace PhotoPixels
