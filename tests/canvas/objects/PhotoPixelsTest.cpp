#include "PhotoTestKit.h"

#include "canvas/objects/photo/AlphaEffects.h"
#include "canvas/objects/photo/Blur.h"
#include "canvas/objects/photo/ChannelMaps.h"
#include "canvas/objects/photo/ColourBalance.h"
#include "canvas/objects/photo/CropPixels.h"
#include "canvas/objects/photo/Frames.h"
#include "canvas/objects/photo/PixelRows.h"
#include "canvas/objects/photo/QuarterTurns.h"
#include "canvas/objects/photo/Resize.h"
#include "canvas/objects/photo/RotateAnyAngle.h"
#include "canvas/objects/photo/Saturation.h"
#include "canvas/objects/photo/Soften.h"
#include "canvas/objects/photo/ToneTable.h"
#include "canvas/objects/photo/TornEdge.h"
#include "canvas/objects/photo/WideTableMap.h"

#include "support/PixelProbes.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

using namespace PhotoPixels;
using namespace PhotoTestKit;

namespace {

using Bytes = QList<int>;

// A row of 24-bit pixels whose three channels all hold the given values.
QImage GreyRow(const QList<int>& values)
{
    QImage row = Bitmap(int(values.size()), 1, {0, 0, 0});
    for (int x = 0; x < values.size(); ++x)
        SetPixelBytes(row, x, 0, {values[x], values[x], values[x]});
    return row;
}

// Bytes that differ from pixel to pixel and from channel to channel.
QImage Varied(int width, int height, QImage::Format format)
{
    QImage picture(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < picture.bytesPerLine(); ++i)
            picture.scanLine(y)[i] = uchar(37 * i + 101 * y + 11);
    return picture;
}

QList<int> RedChannel(const QImage& bitmap, int y)
{
    QList<int> values;
    for (int x = 0; x < bitmap.width(); ++x)
        values.append(PixelBytes(bitmap, x, y)[2]);
    return values;
}

} // namespace

TEST(PhotoPixels, ToneTableFollowsBrightnessAndContrastOnEveryByte)
{
    // More Contrast keeps the middle and spreads the rest.
    const ByteTable contrast = ToneTable(0, 10);
    EXPECT_EQ(contrast[200], 207); // 72 × 1.1 + 128 + 0.5
    EXPECT_EQ(contrast[255], 255);
    // Lighten then Darken: every byte below the clamp comes back, 255 comes back as 245.
    const ByteTable lighten = ToneTable(10, 0), darken = ToneTable(-10, 0);
    for (int v = 0; v < 246; ++v)
        EXPECT_NEAR(darken[lighten[size_t(v)]], v, 1) << v;
    EXPECT_EQ(darken[lighten[255]], 245);
    // Levels far outside any step still give bytes.
    EXPECT_EQ(ToneTable(1'000'000, 0)[0], 255);
    EXPECT_EQ(ToneTable(0, -1'000'000)[255], 0);
    // Mapping every byte maps alpha too.
    QImage argb = Bitmap(2, 2, {100, 150, 200, 128});
    MapEveryByte(argb, ToneTable(0, 10));
    EXPECT_EQ(PixelBytes(argb, 1, 1), (Bytes{97, 152, 207, 128}));
}

TEST(PhotoPixels, ByteHslOfWorkedColoursAndBack)
{
    // Primaries, a grey, a worked colour and the wrap of hues just below red to the top
    // of the byte.
    const std::pair<ByteRgb, std::array<int, 3>> cases[] = {
        {{255, 0, 0}, {0, 255, 128}},   {{0, 0, 255}, {170, 255, 128}},
        {{90, 90, 90}, {170, 0, 90}},   {{200, 120, 60}, {18, 143, 130}},
        {{90, 10, 20}, {251, 204, 50}},
    };
    for (const auto& [colour, expected] : cases) {
        const ByteHsl hsl = ToByteHsl(colour);
        EXPECT_EQ((std::array{hsl.hue, hsl.saturation, hsl.lightness}), expected);
    }
    // Worked in doubles; the first two lie within 3e-5 of a rounding step, one each way.
    const std::pair<ByteHsl, ByteRgb> back[] = {
        {{178, 197, 173}, {134, 110, 236}}, {{33, 101, 134}, {182, 160, 86}},
        {{0, 0, 77}, {77, 77, 77}},         {{85, 255, 127}, {0, 254, 0}},
    };
    for (const auto& [hsl, colour] : back)
        EXPECT_EQ(FromByteHsl(hsl), colour) << "hue " << hsl.hue;
}

// Runs of many pixels at once must give what the rule gives colour by colour; greys stay
// and alpha is left as it was.
TEST(PhotoPixels, SaturationOfRowsFollowsTheSingleColourRule)
{
    for (const auto& [format, step] : {std::pair{QImage::Format_BGR888, 25},
                                       {QImage::Format_BGR888, -255},
                                       {QImage::Format_BGR888, 130},
                                       {QImage::Format_ARGB32, -40}}) {
        QImage colours = Varied(131, 3, format);
        SetPixelBytes(colours, 5, 1, {90, 90, 90});
        QImage changed = colours.copy();
        ASSERT_TRUE(AdjustSaturation(changed, step));
        for (int y = 0; y < colours.height(); ++y)
            for (int x = 0; x < colours.width(); ++x) {
                const Bytes before = PixelBytes(colours, x, y);
                const ByteRgb colour{uchar(before[2]), uchar(before[1]), uchar(before[0])};
                ByteHsl hsl = ToByteHsl(colour);
                const bool grey = hsl.saturation == 0;
                hsl.saturation = std::clamp(hsl.saturation + step, 0, 255);
                const ByteRgb rgb = grey ? colour : FromByteHsl(hsl);
                Bytes expected{rgb.blue, rgb.green, rgb.red};
                if (before.size() == 4)
                    expected.append(before[3]);
                ASSERT_EQ(PixelBytes(changed, x, y), expected) << x << "," << y << " step " << step;
            }
    }
    QImage grey(2, 2, QImage::Format_Grayscale8);
    EXPECT_FALSE(AdjustSaturation(grey, 25));
}

TEST(PhotoPixels, ColourBalanceIsAGammaPerChannelOnEveryByteOfLongRows)
{
    EXPECT_EQ(BalanceTable(2.0f)[64], 127); // 255 × (64/255)^0.5 = 127.75
    EXPECT_EQ(BalanceTable(0.5f)[128], 64);

    QImage bitmap = Bitmap(1, 1, {64, 64, 64, 33});
    ASSERT_TRUE(BalanceColours(bitmap, 2.0f, 1.0f, 0.5f));
    EXPECT_EQ(PixelBytes(bitmap, 0, 0), (Bytes{16, 64, 127, 33}));
    EXPECT_FALSE(BalanceColours(bitmap, 0.0f, 1.0f, 1.0f));
    EXPECT_FALSE(BalanceColours(bitmap, std::numeric_limits<float>::quiet_NaN(), 1.0f, 1.0f));
    // Extreme factors still give a curve from 0 to 255.
    EXPECT_EQ(BalanceTable(1e-30f)[255], 255);
    EXPECT_GE(BalanceTable(1e30f)[1], 254);

    // Rows are mapped 64 bytes at a time where the processor can, in blocks that start at
    // any channel, and the odd bytes at the end one by one; both ways are checked.
    const ByteTable balance[] = {BalanceTable(1.3f), BalanceTable(0.7f), BalanceTable(2.0f)};
    const ByteTable tone = ToneTable(20, 30);
    for (const bool wide : {true, false})
        for (const QImage::Format format : {QImage::Format_BGR888, QImage::Format_ARGB32}) {
            WideTableMap::Allow(wide);
            const QImage varied = Varied(70, 2, format);
            QImage balanced = varied.copy(), toned = varied.copy();
            ASSERT_TRUE(BalanceColours(balanced, 2.0f, 0.7f, 1.3f));
            MapEveryByte(toned, tone);
            WideTableMap::Allow(true);
            const int bytes = varied.depth() / 8;
            for (int y = 0; y < varied.height(); ++y)
                for (int i = 0; i < varied.width() * bytes; ++i) {
                    const uchar before = varied.constScanLine(y)[i];
                    const int channel = i % bytes;
                    const int expected = channel == 3 ? before : balance[channel][before];
                    ASSERT_EQ(balanced.constScanLine(y)[i], expected) << i << " wide " << wide;
                    ASSERT_EQ(toned.constScanLine(y)[i], tone[before]) << i << " wide " << wide;
                }
        }
}

// Gray keeps a picture's alpha; opacity gives it one.
TEST(PhotoPixels, GrayOpacityAndQuarterTurnsOfPictures)
{
    QImage bitmap = Bitmap(1, 1, {10, 20, 40, 99});
    ASSERT_TRUE(AverageToGray(bitmap));
    EXPECT_EQ(PixelBytes(bitmap, 0, 0), (Bytes{23, 23, 23, 99}));
    QImage grey(1, 1, QImage::Format_Grayscale8);
    EXPECT_FALSE(AverageToGray(grey));

    const QImage opaque = Bitmap(3, 2, {1, 2, 3});
    const QImage seeThrough = WithOpacity(opaque, 77);
    EXPECT_EQ(PixelBytes(seeThrough, 2, 1), (Bytes{1, 2, 3, 77}));
    EXPECT_TRUE(WithOpacity(QImage(2, 2, QImage::Format_Indexed8), 5).isNull());

    // A 3 × 2 picture numbered row by row.
    QImage picture(3, 2, QImage::Format_Indexed8);
    picture.setColorCount(6);
    for (int i = 0; i < 6; ++i) {
        picture.setColor(i, qRgb(i, i, i));
        picture.setPixel(i % 3, i / 3, uint(i));
    }
    const QImage left = TurnedLeft(picture);
    ASSERT_EQ(left.size(), QSize(2, 3));
    EXPECT_EQ(left.format(), QImage::Format_Indexed8);
    EXPECT_EQ(left.colorTable(), picture.colorTable());
    // Counter-clockwise: the top row, read right to left, becomes the left column.
    EXPECT_EQ(left.pixelIndex(0, 0), 2);
    EXPECT_EQ(TurnedRight(left), picture);
    EXPECT_EQ(TurnedLeft(Bitmap(4, 3, {9, 8, 7})).format(), QImage::Format_BGR888);
    EXPECT_EQ(Flipped(Mirrored(picture)).pixelIndex(0, 0), 5);
}

TEST(PhotoPixels, CircleFadeAndBevelFadeTheEdgesAndTheTornEdgeCutsThem)
{
    const QImage faded = CircleFaded(Bitmap(101, 101, {10, 20, 30}));
    EXPECT_EQ(PixelBytes(faded, 50, 50), (Bytes{10, 20, 30, 255}));
    // At distance R = 50 from the centre, along an axis and along a 3-4-5 diagonal.
    EXPECT_EQ(PixelBytes(faded, 50, 0)[3], 51);
    EXPECT_EQ(PixelBytes(faded, 80, 90)[3], 51);
    // Outside the inscribed ellipse every byte is 0.
    EXPECT_EQ(PixelBytes(faded, 100, 100), (Bytes{0, 0, 0, 0}));
    // R is the larger half side; the short way the picture ends before the fade does.
    const QImage wide = CircleFaded(Bitmap(200, 20, {1, 1, 1}));
    EXPECT_EQ(PixelBytes(wide, 100, 10)[3], 255);
    EXPECT_EQ(PixelBytes(wide, 100, 0)[3], 234); // d = 10 of R = 100
    EXPECT_EQ(CircleFaded(Bitmap(1, 1, {5, 5, 5})).pixelColor(0, 0).alpha(), 255);
    EXPECT_TRUE(CircleFaded(QImage(4, 4, QImage::Format_Grayscale8)).isNull());
    const QImage bevelled = Bevelled(Bitmap(40, 48, {5, 6, 7})); // k = 5
    // Rings 0 to 4 from the left, right and bottom edges.
    EXPECT_EQ(PixelBytes(bevelled, 0, 24)[3], 0);
    EXPECT_EQ(PixelBytes(bevelled, 37, 24)[3], 102);
    EXPECT_EQ(PixelBytes(bevelled, 20, 43)[3], 204);
    EXPECT_EQ(PixelBytes(bevelled, 5, 24)[3], 255);
    EXPECT_EQ(PixelBytes(bevelled, 2, 1), (Bytes{5, 6, 7, 51})); // corners take the nearer side
    // The inside of a 32-bit picture keeps its own alpha.
    const QImage own = Bevelled(Bitmap(16, 16, {1, 1, 1, 90})); // k = 2
    EXPECT_EQ(PixelBytes(own, 1, 8)[3], 127);
    EXPECT_EQ(PixelBytes(own, 8, 8)[3], 90);
    EXPECT_EQ(PixelBytes(Bevelled(Bitmap(7, 7, {1, 1, 1})), 0, 0)[3], 255); // k = 0: no rings
    // The jitter generator gives the same 15-bit sequence everywhere.
    JitterRandom random(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);

    const QPolygon outline = TornEdgeOutline(60, 40, 1234);
    EXPECT_EQ(outline, TornEdgeOutline(60, 40, 1234));
    EXPECT_NE(outline, TornEdgeOutline(60, 40, 1235));
    // Corners 5 in, and 1 + left 2 + corner + bottom 4 + corner + right 3 + corner + top 5,
    // less the last, inside the picture.
    EXPECT_TRUE(outline.contains(QPoint(5, 5)) && outline.contains(QPoint(54, 34)));
    EXPECT_EQ(outline.size(), 17);

    const QImage torn = TornEdged(Bitmap(60, 40, {30, 60, 90}), 1234);
    EXPECT_EQ(PixelBytes(torn, 59, 39), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(PixelBytes(torn, 30, 20), (Bytes{30, 60, 90, 255}));
}

TEST(PhotoPixels, BlurRenormalisesAtTheEndsAndSoftenWeighsTheCentreEightToOne)
{
    // No strength is a single tap, and the sign of a strength is ignored.
    EXPECT_EQ(BlurKernel(0.0f).size(), 1u);
    EXPECT_EQ(BlurKernel(-2.0f), BlurKernel(2.0f));
    // Along a row: taps beyond either end are left out and the rest reweighted, so the
    // ends are not darkened.
    QImage row = GreyRow({200, 100, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(Blur(row));
    EXPECT_EQ(RedChannel(row, 0), (QList<int>{125, 88, 47, 11, 0, 0, 0, 0}));
    // Lines shorter than the kernel, down the columns too.
    QImage tiny = GreyRow({0, 255});
    ASSERT_TRUE(Blur(tiny));
    EXPECT_EQ(RedChannel(tiny, 0), (QList<int>{127, 128}));
    QImage column = TurnedRight(GreyRow({200, 100, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(Blur(column));
    EXPECT_EQ(RedChannel(TurnedLeft(column), 0), (QList<int>{125, 88, 47, 11, 0, 0, 0, 0}));
    // Alpha is a channel like the others.
    QImage argb = Bitmap(6, 1, {0, 0, 0, 0});
    SetPixelBytes(argb, 0, 0, {0, 0, 0, 200});
    SetPixelBytes(argb, 1, 0, {0, 0, 0, 100});
    ASSERT_TRUE(Blur(argb));
    EXPECT_EQ(PixelBytes(argb, 0, 0)[3], 125);
    QImage grey(4, 4, QImage::Format_Grayscale8);
    EXPECT_FALSE(Blur(grey));
    QImage dot = Bitmap(3, 3, {0, 0, 0});
    SetPixelBytes(dot, 0, 0, {110, 110, 110});
    QImage centre = Bitmap(5, 5, {0, 0, 0});
    SetPixelBytes(centre, 2, 2, {160, 32, 0});
    ASSERT_TRUE(Soften(dot));
    ASSERT_TRUE(Soften(centre));
    EXPECT_EQ(PixelBytes(dot, 0, 0)[0], 80);    // corner: 8 × 110 / 11
    EXPECT_EQ(PixelBytes(dot, 1, 0)[0], 8);     // edge: 110 / 13
    EXPECT_EQ(PixelBytes(dot, 1, 1)[0], 6);     // inside: 110 / 16
    EXPECT_EQ(PixelBytes(centre, 2, 2), (Bytes{80, 16, 0}));
}

TEST(PhotoPixels, ResizeAveragesOrRepeatsAndRotationTakesAnyAngle)
{
    const QImage row = GreyRow({0, 90, 180});
    // Two target pixels over three: 1 + ½ and ½ + 1 source pixels.
    EXPECT_EQ(RedChannel(Resized(row, QSize(2, 1)), 0), (QList<int>{30, 150}));
    EXPECT_EQ(RedChannel(Resized(GreyRow({10, 20}), QSize(5, 1)), 0), (QList<int>{10, 10, 10, 20, 20}));
    // Growing one way and shrinking the other still averages.
    const QImage mixed = Resized(TurnedRight(GreyRow({0, 90, 180})), QSize(4, 2));
    EXPECT_EQ(PixelBytes(mixed, 0, 0)[2], 30);
    EXPECT_EQ(PixelBytes(mixed, 3, 1)[2], 150);
    // A palette picture is sampled, never averaged into other colour numbers.
    QImage indexed(4, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)});
    for (int x = 0; x < 4; ++x)
        indexed.setPixel(x, 0, x < 2 ? 1u : 2u);
    const QImage half = AreaAveraged(indexed, QSize(2, 1));
    EXPECT_EQ(half.pixelIndex(0, 0), 1);
    EXPECT_EQ(half.pixelIndex(1, 0), 2);
    EXPECT_TRUE(Resized(row, QSize(0, 4)).isNull());
    QImage picture = Bitmap(40, 20, {0, 0, 255});
    EXPECT_EQ(RotatedToAngle(picture, 90), TurnedRight(picture.convertToFormat(QImage::Format_ARGB32)));
    const QImage turned = RotatedToAngle(picture, 45);
    EXPECT_NEAR(turned.width(), 60 / std::sqrt(2.0), 2); // (40 + 20) / √2
    EXPECT_EQ(turned.pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(ColorsNear(turned.pixelColor(turned.width() / 2, turned.height() / 2), Qt::red, 1));
    EXPECT_EQ(turned.pixelColor(turned.width() / 2, turned.height() / 2).alpha(), 255);
}

TEST(PhotoPixels, CropAndEraseByAreas)
{
    QImage picture = Bitmap(10, 10, {1, 2, 3});
    SetPixelBytes(picture, 4, 5, {7, 8, 9});
    const QImage part = CroppedToRect(picture, QRect(3, 4, 4, 2));
    ASSERT_EQ(part.size(), QSize(4, 2));
    EXPECT_EQ(PixelBytes(part, 1, 1), (Bytes{7, 8, 9}));

    // A region reaching past the picture: the part outside holds nothing.
    const QRegion region = QRegion(QRect(8, 8, 4, 4)) + QRegion(QRect(4, 5, 1, 1));
    const QImage kept = CroppedToRegion(picture, region);
    ASSERT_EQ(kept.size(), QSize(8, 7));
    EXPECT_EQ(PixelBytes(kept, 0, 0), (Bytes{7, 8, 9, 255}));
    EXPECT_EQ(PixelBytes(kept, 1, 0), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(PixelBytes(kept, 7, 6), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(PixelBytes(CroppedToRegion(Bitmap(4, 4, {1, 1, 1, 60}), QRect(0, 0, 2, 2)), 1, 1)[3], 60);
    EXPECT_EQ(PixelBytes(CroppedToRegion(QImage(4, 4, QImage::Format_Grayscale8), QRect(0, 0, 2, 2)), 1, 1),
              (Bytes{0, 0, 0, 0}));

    const QImage erased = Erased(picture, QRegion(QRect(-5, -5, 7, 7)));
    EXPECT_EQ(PixelBytes(erased, 1, 1), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(PixelBytes(erased, 2, 2), (Bytes{1, 2, 3, 255}));
    EXPECT_TRUE(Erased(QImage(4, 4, QImage::Format_Grayscale8), QRect(0, 0, 2, 2)).isNull());
}

TEST(PhotoPixels, FramesPaintOnlyTheEdge)
{
    for (int material = 0; material < PhotoFrames::kMaterialCount; ++material) {
        QImage picture = Bitmap(120, 96, {10, 200, 30, 40});
        ASSERT_TRUE(PhotoFrames::PaintFrame(picture, material)) << material;
        const int band = PhotoFrames::BandWidth(picture.size()); // 8
        EXPECT_EQ(PixelBytes(picture, band + 1, 48), (Bytes{10, 200, 30, 40})) << material;
        EXPECT_EQ(PixelBytes(picture, 1, 48)[3], 255) << material;
        EXPECT_NE(PixelBytes(picture, 1, 1), (Bytes{10, 200, 30, 40})) << material;
    }
    QImage grey(20, 20, QImage::Format_Grayscale8);
    EXPECT_FALSE(PhotoFrames::PaintFrame(grey, 0));
    QImage picture = Bitmap(20, 20, {0, 0, 0});
    EXPECT_FALSE(PhotoFrames::PaintFrame(picture, PhotoFrames::kMaterialCount));
}

TEST(PhotoPixels, BandsGiveTheSameResultAsOnePass)
{
    // Rules that read neighbouring rows must see them as they were, whichever band
    // reaches them first.
    const QImage noise = Varied(301, 97, QImage::Format_BGR888);
    const auto inBands = [&](unsigned bands, auto rule) {
        QImage copy = noise.copy();
        LimitBands(bands);
        rule(copy);
        LimitBands(0);
        return copy;
    };
    const auto blur = [](QImage& p) { Blur(p); };
    const auto soften = [](QImage& p) { Soften(p); };
    const auto saturate = [](QImage& p) { AdjustSaturation(p, 25); };
    EXPECT_EQ(inBands(1, blur), inBands(7, blur));
    EXPECT_EQ(inBands(1, soften), inBands(7, soften));
    EXPECT_EQ(inBands(1, saturate), inBands(3, saturate));
    EXPECT_NE(inBands(1, blur), noise);
}
