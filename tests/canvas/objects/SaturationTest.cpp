// The saturation rule over every input it can meet: the fast conversions must give
// the bytes of the rule as written, worked in doubles, for all of them.

#include "canvas/objects/photo/Saturation.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

using namespace PhotoPixels;

namespace {

// The conversion back exactly as written, in floating point.
ByteRgb BackInDoubles(int hue, int saturation, int lightness)
{
    const double h = hue * 360.0 / 255.0, s = saturation / 255.0, l = lightness / 255.0;
    const auto rounded = [](double v) { return std::uint8_t(std::min(255, int(v * 255.0 + 0.5))); };
    if (s == 0.0)
        return {rounded(l), rounded(l), rounded(l)};
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    const auto value = [&](double x) {
        if (x < 0.0)
            x += 360.0;
        else if (x > 360.0)
            x -= 360.0;
        if (x < 60.0)
            return rounded(m1 + (m2 - m1) * x / 60.0);
        if (x < 180.0)
            return rounded(m2);
        if (x < 240.0)
            return rounded(m1 + (m2 - m1) * (240.0 - x) / 60.0);
        return rounded(m1);
    };
    return {value(h + 120.0), value(h), value(h - 120.0)};
}

// A picture holding every colour once: blue across, green down, red by tile.
QImage EveryColour(QImage::Format format)
{
    QImage picture(4096, 4096, format);
    for (int y = 0; y < 4096; ++y) {
        uchar* row = picture.scanLine(y);
        const int step = picture.depth() / 8;
        for (int x = 0; x < 4096; ++x) {
            uchar* pixel = row + x * step;
            pixel[0] = uchar(x & 0xff);
            pixel[1] = uchar(y & 0xff);
            pixel[2] = uchar((y >> 8) * 16 + (x >> 8));
            if (step == 4)
                pixel[3] = uchar(x ^ y);
        }
    }
    return picture;
}

} // namespace

TEST(Saturation, BackConversionMatchesTheRuleInDoublesForEveryHueSaturationAndLightness)
{
    int mismatches = 0;
    for (int h = 0; h < 256; ++h)
        for (int s = 0; s < 256; ++s)
            for (int l = 0; l < 256; ++l) {
                const ByteRgb expected = BackInDoubles(h, s, l);
                const ByteRgb got = FromByteHsl({h, s, l});
                if (got != expected && ++mismatches <= 5)
                    ADD_FAILURE() << "H " << h << " S " << s << " L " << l << ": " << int(got.red)
                                  << "," << int(got.green) << "," << int(got.blue) << " instead of "
                                  << int(expected.red) << "," << int(expected.green) << ","
                                  << int(expected.blue);
            }
    EXPECT_EQ(mismatches, 0);
}

// Three-byte and four-byte rows alike; alpha is left as it was.
TEST(Saturation, EveryColourChangesAsTheSingleColourRuleSays)
{
    for (const auto& [format, step] : {std::pair{QImage::Format_BGR888, 25},
                                       {QImage::Format_BGR888, -25},
                                       {QImage::Format_BGR888, 130},
                                       {QImage::Format_BGR888, -255},
                                       {QImage::Format_ARGB32, 50}}) {
        const QImage colours = EveryColour(format);
        QImage changed = colours.copy();
        ASSERT_TRUE(AdjustSaturation(changed, step));
        const int size = colours.depth() / 8;
        int mismatches = 0;
        for (int y = 0; y < 4096; ++y) {
            const uchar* before = colours.constScanLine(y);
            const uchar* after = changed.constScanLine(y);
            for (int x = 0; x < 4096; ++x, before += size, after += size) {
                ByteHsl hsl = ToByteHsl({before[2], before[1], before[0]});
                ByteRgb expected{before[2], before[1], before[0]};
                if (hsl.saturation != 0) {
                    hsl.saturation = std::clamp(hsl.saturation + step, 0, 255);
                    expected = FromByteHsl(hsl);
                }
                const ByteRgb got{after[2], after[1], after[0]};
                const bool alphaKept = size == 3 || after[3] == before[3];
                if ((got != expected || !alphaKept) && ++mismatches <= 5)
                    ADD_FAILURE() << "step " << step << ", colour " << int(before[2]) << ","
                                  << int(before[1]) << "," << int(before[0]);
            }
        }
        EXPECT_EQ(mismatches, 0) << "step " << step << ", " << size << " bytes";
    }
    QImage grey(2, 2, QImage::Format_Grayscale8);
    EXPECT_FALSE(AdjustSaturation(grey, 25));
}
