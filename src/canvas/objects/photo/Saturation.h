#pragma once

#include <QImage>
#include <cstdint>

// Saturation through hue, saturation and lightness on byte scales.
namespace PhotoPixels {

struct ByteHsl
{
    int hue = 0;        // 0..255 for a full turn
    int saturation = 0; // 0..255
    int lightness = 0;  // 0..255
};

struct ByteRgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const ByteRgb&, const ByteRgb&) = default;
};

ByteHsl ToByteHsl(ByteRgb colour);
ByteRgb FromByteHsl(ByteHsl colour);

// Every pixel of a 24- or 32-bit bitmap goes to HSL, has `step` added to its
// saturation (clamped to a byte) and comes back; greys stay as they are and alpha is
// untouched. False for other depths.
bool AdjustSaturation(QImage& bitmap, int step);

} // namespace PhotoPixels
