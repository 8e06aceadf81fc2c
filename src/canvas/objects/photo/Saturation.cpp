#include "canvas/objects/photo/Saturation.h"

#include "canvas/objects/photo/ChannelMaps.h"
#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <array>

namespace PhotoPixels {
namespace {

// Integer division by a divisor of at most 510 as a multiply and shift, exact for
// numerators below 2^16 (the error term n × (M × d − 2^32) stays below 2^32).
class CByteDivisors
{
public:
    CByteDivisors()
    {
        for (std::uint64_t d = 1; d < m_magic.size(); ++d)
            m_magic[d] = (std::uint64_t(1) << 32) / d + 1;
    }
    int Divide(int numerator, int divisor) const
    {
        return int((std::uint64_t(numerator) * m_magic[size_t(divisor)]) >> 32);
    }

private:
    std::array<std::uint64_t, 511> m_magic{};
};

const CByteDivisors& Divisors()
{
    static const CByteDivisors divisors;
    return divisors;
}

ByteHsl ToByteHslWith(const CByteDivisors& divide, int red, int green, int blue)
{
    const int high = std::max({red, green, blue});
    const int low = std::min({red, green, blue});
    ByteHsl hsl;
    hsl.lightness = (high + low + 1) * 255 / 510;
    if (high == low) {
        hsl.hue = 170;
        return hsl;
    }
    const int d = high - low;
    const int divisor = hsl.lightness <= 127 ? high + low : 510 - high - low;
    hsl.saturation = divide.Divide(divisor / 2 + d * 255, divisor);
    const auto distance = [&](int channel) { return divide.Divide((high - channel) * 42 + d / 2, d); };
    int hue;
    if (red == high)
        hue = distance(blue) - distance(green);
    else if (green == high)
        hue = 85 + distance(red) - distance(blue);
    else
        hue = 170 + distance(green) - distance(red);
    hsl.hue = hue & 0xff; // modulo 256, negative sums included
    return hsl;
}

// The hue in degrees, and the hues a third of a turn either side, per byte hue.
struct CHueAngles
{
    CHueAngles()
    {
        for (int h = 0; h < 256; ++h) {
            const double degrees = h * 360.0 / 255.0;
            red[size_t(h)] = IntoTurn(degrees + 120.0);
            green[size_t(h)] = IntoTurn(degrees);
            blue[size_t(h)] = IntoTurn(degrees - 120.0);
        }
    }
    static double IntoTurn(double x)
    {
        if (x < 0.0)
            return x + 360.0;
        return x > 360.0 ? x - 360.0 : x;
    }
    std::array<double, 256> red{}, green{}, blue{};
};

const CHueAngles& HueAngles()
{
    static const CHueAngles angles;
    return angles;
}

double ChannelValue(double m1, double m2, double x)
{
    if (x < 60.0)
        return m1 + (m2 - m1) * x / 60.0;
    if (x < 180.0)
        return m2;
    if (x < 240.0)
        return m1 + (m2 - m1) * (240.0 - x) / 60.0;
    return m1;
}

std::uint8_t RoundedByte(double unit)
{
    return TruncatedByte(unit * 255.0 + 0.5);
}

ByteRgb FromByteHslWith(const CHueAngles& angles, ByteHsl colour)
{
    const double s = colour.saturation / 255.0;
    const double l = colour.lightness / 255.0;
    if (s == 0.0) {
        const std::uint8_t grey = RoundedByte(l);
        return {grey, grey, grey};
    }
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    const auto h = size_t(colour.hue & 0xff);
    return {RoundedByte(ChannelValue(m1, m2, angles.red[h])),
            RoundedByte(ChannelValue(m1, m2, angles.green[h])),
            RoundedByte(ChannelValue(m1, m2, angles.blue[h]))};
}

} // namespace

ByteHsl ToByteHsl(ByteRgb colour)
{
    return ToByteHslWith(Divisors(), colour.red, colour.green, colour.blue);
}

ByteRgb FromByteHsl(ByteHsl colour)
{
    return FromByteHslWith(HueAngles(), colour);
}

bool AdjustSaturation(QImage& bitmap, int step)
{
    if (!IsColourBitmap(bitmap))
        return false;
    ByteTable table{};
    for (int s = 0; s < 256; ++s)
        table[size_t(s)] = std::uint8_t(std::clamp(qint64(s) + step, qint64(0), qint64(255)));
    const CByteDivisors& divide = Divisors();
    const CHueAngles& angles = HueAngles();

    ForEachPixel(bitmap, [&](std::uint8_t* pixel) {
        ByteHsl hsl = ToByteHslWith(divide, pixel[2], pixel[1], pixel[0]);
        // A grey has no hue to strengthen; its stand-in hue would tint it blue.
        if (hsl.saturation == 0)
            return;
        hsl.saturation = table[size_t(hsl.saturation)];
        const ByteRgb rgb = FromByteHslWith(angles, hsl);
        pixel[0] = rgb.blue;
        pixel[1] = rgb.green;
        pixel[2] = rgb.red;
    });
    return true;
}

} // namespace PhotoPixels
