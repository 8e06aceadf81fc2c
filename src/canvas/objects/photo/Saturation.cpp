#include "canvas/objects/photo/Saturation.h"

#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <cstring>

#if defined(__GNUC__)
// Vectors are passed only between inlined helpers here, so the calling convention for
// them, which differs with the vector unit, never matters.
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace PhotoPixels {
namespace {

// The larger and smaller of two ints, lane by lane for vectors of ints.
template <class Lanes>
Q_ALWAYS_INLINE Lanes Larger(Lanes a, Lanes b)
{
    return a > b ? a : b;
}
template <class Lanes>
Q_ALWAYS_INLINE Lanes Smaller(Lanes a, Lanes b)
{
    return a < b ? a : b;
}
template <class Lanes>
Q_ALWAYS_INLINE Lanes Clamped(Lanes value, int low, int high)
{
    return Larger(Smaller(value, Lanes{} + high), Lanes{} + low);
}

// The conversion back in whole numbers. The hue angle is 24H/17 degrees, so each
// channel's value × 255 is a fraction over 260100 and rounds exactly in integers; the
// bytes equal those of the rule worked in doubles for every H, S and L (checked over all
// of them when this was written; the tests keep the inputs nearest a rounding step).
// `Lanes` is an int for one colour or a vector of ints.
template <class Lanes>
struct WholeBack
{
    Lanes low;  // m1 × 65025
    Lanes span; // (m2 − m1) × 65025

    static Q_ALWAYS_INLINE WholeBack Of(Lanes saturation, Lanes lightness)
    {
        const Lanes s = saturation, l = lightness;
        // m2 = l(1 + s) up to half lightness, else l + s − ls; m1 = 2l − m2.
        const auto dark = l <= 127;
        return {dark ? l * (255 - s) : 255 * l - 255 * s + l * s,
                dark ? 2 * l * s : 2 * s * (255 - l)};
    }

    // Where each channel lies between m1 (0) and m2 (1020), from the hue angle × 17
    // (y = 24H): the curve rises over 0..60 degrees, stays at m2 to 180, falls to m1 by
    // 240 and stays there. Red's angle is 120 degrees on, blue's 120 back, each brought
    // into one turn.
    static Q_ALWAYS_INLINE Lanes RedRise(Lanes y) { return Clamped(Larger(2040 - y, y - 4080), 0, 1020); }
    static Q_ALWAYS_INLINE Lanes GreenRise(Lanes y) { return Clamped(Smaller(y, 4080 - y), 0, 1020); }
    static Q_ALWAYS_INLINE Lanes BlueRise(Lanes y) { return Clamped(Smaller(y - 2040, 6120 - y), 0, 1020); }

    // The channel's value × 255 × 260100, less a little: see RoundedBytes.
    Q_ALWAYS_INLINE Lanes Scaled(Lanes rise) const { return 1020 * low + span * rise + (130050 - kSlack); }

    static constexpr int kSlack = 26; // 1e-4 of the denominator 260100
};

// Pixels of one row in channel arrays, so the conversion runs on several at once.
constexpr int kRun = 64;
struct ChannelRun
{
    alignas(64) std::int32_t red[kRun];
    alignas(64) std::int32_t green[kRun];
    alignas(64) std::int32_t blue[kRun];
};

#if defined(__GNUC__) // vector extensions of GCC and Clang
constexpr int kLanes = 8;
using Ints = std::int32_t __attribute__((vector_size(4 * kLanes)));
using Floats = float __attribute__((vector_size(4 * kLanes)));

template <class To, class From>
Q_ALWAYS_INLINE To Convert(From lanes)
{
    return __builtin_convertvector(lanes, To);
}

// Quotients n / d of whole numbers, truncated. Exact through floats whenever n < 2^24
// and d > 0: a float quotient's error stays below the 1 / d that separates a fraction
// from the next whole number. Floats divide in vector units; integers do not.
Q_ALWAYS_INLINE Ints Quotient(Ints numerator, Ints divisor)
{
    return Convert<Ints>(Convert<Floats>(numerator) / Convert<Floats>(divisor));
}

// (n + slack) / 260100 for n + slack below 2^29. The float estimate of n / 260100 is
// within 5e-5 of the quotient; the slack of 1e-4 makes it never too high, so at most
// one is missing. The curve never exceeds 1, so the result is a byte.
Q_ALWAYS_INLINE Ints RoundedBytes(Ints scaled)
{
    const Ints q = Convert<Ints>(Convert<Floats>(scaled) * (1.0f / 260100.0f));
    return q - (scaled - q * 260100 >= 260100 - WholeBack<Ints>::kSlack); // true is −1
}

// The whole rule, eight pixels at a time. Greys (saturation 0) keep their bytes.
TENDREL_VECTOR_CLONES
void SaturateRun(ChannelRun& run, int count, int step)
{
    for (int i = 0; i < count; i += kLanes) {
        Ints red, green, blue;
        std::memcpy(&red, run.red + i, sizeof red);
        std::memcpy(&green, run.green + i, sizeof green);
        std::memcpy(&blue, run.blue + i, sizeof blue);
        const Ints high = Larger(Larger(red, green), blue), low = Smaller(Smaller(red, green), blue);
        const Ints sum = high + low, d = high - low;
        const Ints lightness = (sum + 1) >> 1; // (sum + 1) × 255 / 510
        const Ints divisor = Larger(lightness <= 127 ? sum : 510 - sum, Ints{} + 1);
        const Ints saturation = Quotient((divisor >> 1) + d * 255, divisor);
        // Of the three distances ((high − X) × 42 + d / 2) / d the highest channel's is 0
        // and the lowest's 42: only the middle one needs dividing.
        const Ints mid = red + green + blue - high - low;
        const Ints midDistance = Quotient((high - mid) * 42 + (d >> 1), Larger(d, Ints{} + 1));
        const auto distance = [&](Ints x) {
            return x == high ? Ints{} : (x == low ? Ints{} + 42 : midDistance);
        };
        const Ints rd = distance(red), gd = distance(green), bd = distance(blue);
        const Ints hue = (red == high ? bd - gd : (green == high ? 85 + rd - bd : 170 + gd - rd)) & 0xff;
        const Ints stepped = Clamped(saturation + step, 0, 255);

        using Back = WholeBack<Ints>;
        const Back back = Back::Of(stepped, lightness);
        const Ints y = hue * 24;
        const auto grey = saturation == 0;
        red = grey ? red : RoundedBytes(back.Scaled(Back::RedRise(y)));
        green = grey ? green : RoundedBytes(back.Scaled(Back::GreenRise(y)));
        blue = grey ? blue : RoundedBytes(back.Scaled(Back::BlueRise(y)));
        std::memcpy(run.red + i, &red, sizeof red);
        std::memcpy(run.green + i, &green, sizeof green);
        std::memcpy(run.blue + i, &blue, sizeof blue);
    }
}
#else
void SaturateRun(ChannelRun& run, int count, int step)
{
    for (int i = 0; i < count; ++i) {
        const ByteRgb colour{std::uint8_t(run.red[i]), std::uint8_t(run.green[i]), std::uint8_t(run.blue[i])};
        ByteHsl hsl = ToByteHsl(colour);
        if (hsl.saturation == 0)
            continue;
        hsl.saturation = std::clamp(hsl.saturation + step, 0, 255);
        const ByteRgb rgb = FromByteHsl(hsl);
        run.red[i] = rgb.red;
        run.green[i] = rgb.green;
        run.blue[i] = rgb.blue;
    }
}
#endif

template <int Step>
TENDREL_VECTOR_CLONES void SaturateRow(std::uint8_t* row, int width, int step)
{
    ChannelRun run{}; // lanes past a short run's end are worked on but never written
    for (int x = 0; x < width; x += kRun) {
        const int count = std::min(kRun, width - x);
        std::uint8_t* pixels = row + qsizetype(x) * Step;
        for (int i = 0; i < count; ++i) {
            run.blue[i] = pixels[Step * i];
            run.green[i] = pixels[Step * i + 1];
            run.red[i] = pixels[Step * i + 2];
        }
        SaturateRun(run, count, step);
        for (int i = 0; i < count; ++i) {
            pixels[Step * i] = std::uint8_t(run.blue[i]);
            pixels[Step * i + 1] = std::uint8_t(run.green[i]);
            pixels[Step * i + 2] = std::uint8_t(run.red[i]);
        }
    }
}

} // namespace

ByteHsl ToByteHsl(ByteRgb colour)
{
    const int red = colour.red, green = colour.green, blue = colour.blue;
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
    hsl.saturation = (divisor / 2 + d * 255) / divisor;
    const int rd = ((high - red) * 42 + d / 2) / d;
    const int gd = ((high - green) * 42 + d / 2) / d;
    const int bd = ((high - blue) * 42 + d / 2) / d;
    const int hue = red == high ? bd - gd : (green == high ? 85 + rd - bd : 170 + gd - rd);
    hsl.hue = hue & 0xff; // modulo 256, negative sums included
    return hsl;
}

ByteRgb FromByteHsl(ByteHsl colour)
{
    using Back = WholeBack<int>;
    const Back back = Back::Of(colour.saturation & 0xff, colour.lightness & 0xff);
    const int y = (colour.hue & 0xff) * 24;
    const auto byte = [&](int rise) { return std::uint8_t((back.Scaled(rise) + Back::kSlack) / 260100); };
    // Saturation 0 needs no case of its own: m1 = m2 = l, so every channel is l.
    return {byte(Back::RedRise(y)), byte(Back::GreenRise(y)), byte(Back::BlueRise(y))};
}

bool AdjustSaturation(QImage& bitmap, int step)
{
    if (!IsColourBitmap(bitmap))
        return false;
    // Beyond ±255 every saturation is clamped the same way.
    step = std::clamp(step, -255, 255);
    const auto saturateRow = BitsPerPixel(bitmap) == 32 ? SaturateRow<4> : SaturateRow<3>;
    const int width = bitmap.width();
    ForEachRow(bitmap, [&](std::uint8_t* row) { saturateRow(row, width, step); });
    return true;
}

} // namespace PhotoPixels
