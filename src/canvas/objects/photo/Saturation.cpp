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

Q_ALWAYS_INLINE ByteHsl ToByteHslWith(const CByteDivisors& divide, int red, int green, int blue)
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
    // All three worked out and one picked, which beats guessing the brightest channel.
    const int rd = distance(red), gd = distance(green), bd = distance(blue);
    const int hue = red == high ? bd - gd : (green == high ? 85 + rd - bd : 170 + gd - rd);
    hsl.hue = hue & 0xff; // modulo 256, negative sums included
    return hsl;
}

// Where each channel's hue falls on the curve of the conversion back, per byte hue:
// on a ramp (m1 + (m2 − m1) × position / 60), at the top (m2) or at the bottom (m1).
// Worked out once per hue, so a pixel picks its values without branching.
class CHueCurve
{
public:
    enum Part : std::uint8_t { Ramp, Top, Bottom };

    CHueCurve()
    {
        for (int h = 0; h < 256; ++h) {
            const double degrees = h * 360.0 / 255.0;
            Place(h, 0, IntoTurn(degrees + 120.0)); // red
            Place(h, 1, IntoTurn(degrees));         // green
            Place(h, 2, IntoTurn(degrees - 120.0)); // blue
        }
    }

    double Value(int hue, int channel, double m1, double m2) const
    {
        const size_t at = size_t(hue) * 3 + size_t(channel);
        const double ramp = m1 + (m2 - m1) * m_position[at] / 60.0;
        // Weights of exactly 1 and 0 pick one of the three without a branch and without
        // changing a bit of it.
        const Weights& w = m_weights[at];
        return w.ramp * ramp + w.top * m2 + w.bottom * m1;
    }

private:
    static double IntoTurn(double x)
    {
        if (x < 0.0)
            return x + 360.0;
        return x > 360.0 ? x - 360.0 : x;
    }

    void Place(int hue, int channel, double x)
    {
        const size_t at = size_t(hue) * 3 + size_t(channel);
        const bool up = x < 60.0, down = x >= 180.0 && x < 240.0;
        m_position[at] = up ? x : (down ? 240.0 - x : 0.0);
        const Part part = up || down ? Ramp : (x < 180.0 ? Top : Bottom);
        m_weights[at] = {part == Ramp ? 1.0 : 0.0, part == Top ? 1.0 : 0.0, part == Bottom ? 1.0 : 0.0};
    }

    struct Weights
    {
        double ramp, top, bottom;
    };
    std::array<double, 256 * 3> m_position{};
    std::array<Weights, 256 * 3> m_weights{};
};

// Byte levels as the fractions the conversion back works in.
struct CByteFractions
{
    CByteFractions()
    {
        for (int i = 0; i < 256; ++i)
            of[size_t(i)] = i / 255.0;
    }
    std::array<double, 256> of{};
};

struct CConversionBack
{
    CHueCurve curve;
    CByteFractions fraction;
};

const CConversionBack& ConversionBack()
{
    static const CConversionBack tables;
    return tables;
}

std::uint8_t RoundedByte(double unit)
{
    // Every value of the curve lies in 0 .. 1.
    return std::uint8_t(std::min(255, int(unit * 255.0 + 0.5)));
}

ByteRgb FromByteHslWith(const CConversionBack& tables, ByteHsl colour)
{
    const double s = tables.fraction.of[size_t(colour.saturation & 0xff)];
    const double l = tables.fraction.of[size_t(colour.lightness & 0xff)];
    if (s == 0.0) {
        const std::uint8_t grey = RoundedByte(l);
        return {grey, grey, grey};
    }
    const double darker = l * (1.0 + s), lighter = l + s - l * s;
    const double m2 = l <= 0.5 ? darker : lighter;
    const double m1 = 2.0 * l - m2;
    const int h = colour.hue & 0xff;
    return {RoundedByte(tables.curve.Value(h, 0, m1, m2)),
            RoundedByte(tables.curve.Value(h, 1, m1, m2)),
            RoundedByte(tables.curve.Value(h, 2, m1, m2))};
}

} // namespace

ByteHsl ToByteHsl(ByteRgb colour)
{
    return ToByteHslWith(Divisors(), colour.red, colour.green, colour.blue);
}

ByteRgb FromByteHsl(ByteHsl colour)
{
    return FromByteHslWith(ConversionBack(), colour);
}

bool AdjustSaturation(QImage& bitmap, int step)
{
    if (!IsColourBitmap(bitmap))
        return false;
    ByteTable table{};
    for (int s = 0; s < 256; ++s)
        table[size_t(s)] = std::uint8_t(std::clamp(qint64(s) + step, qint64(0), qint64(255)));
    const CByteDivisors& divide = Divisors();
    const CConversionBack& back = ConversionBack();

    ForEachPixel(bitmap, [&](std::uint8_t* pixel) {
        ByteHsl hsl = ToByteHslWith(divide, pixel[2], pixel[1], pixel[0]);
        // A grey has no hue to strengthen; its stand-in hue would tint it blue.
        if (hsl.saturation == 0)
            return;
        hsl.saturation = table[size_t(hsl.saturation)];
        const ByteRgb rgb = FromByteHslWith(back, hsl);
        pixel[0] = rgb.blue;
        pixel[1] = rgb.green;
        pixel[2] = rgb.red;
    });
    return true;
}

} // namespace PhotoPixels
