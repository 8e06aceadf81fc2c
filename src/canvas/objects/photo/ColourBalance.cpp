#include "canvas/objects/photo/ColourBalance.h"

#include "canvas/objects/photo/PixelRows.h"

#include <cmath>

namespace PhotoPixels {

ByteTable BalanceTable(float factor)
{
    const double gamma = 1.0 / double(factor);
    const double norm = std::pow(255.0, gamma) / 255.0;
    ByteTable table{};
    for (int i = 0; i < 256; ++i) {
        double value = std::pow(double(i), gamma) / norm;
        // Extreme factors overflow the rule's own terms; the curve itself stays finite.
        if (!std::isfinite(value))
            value = 255.0 * std::pow(i / 255.0, gamma);
        table[size_t(i)] = TruncatedByte(value);
    }
    return table;
}

bool BalanceColours(QImage& bitmap, float red, float green, float blue)
{
    // Written as "not above" so that NaN from a damaged document is refused too.
    if (!(red > 0.0f) || !(green > 0.0f) || !(blue > 0.0f) || !IsColourBitmap(bitmap))
        return false;
    return MapColourChannels(bitmap, BalanceTable(red), BalanceTable(green), BalanceTable(blue));
}

} // namespace PhotoPixels
