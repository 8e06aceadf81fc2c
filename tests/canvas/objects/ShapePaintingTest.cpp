#include "CanvasTestKit.h"

#include "canvas/objects/BlurredShadow.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ShapeOutlines.h"
#include "canvas/objects/SymbolObject.h"
#include "support/PictureFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QSize kCanvas(300, 300);
const QColor kWhite(255, 255, 255);

std::unique_ptr<ShapeObject> Filled(int kind, PageRect rect, ColorRef fill)
{
    auto shape = std::make_unique<ShapeObject>(rect, kind, 1, 0, Rgb(0, 0, 0), fill);
    shape->m_bFill = 1;
    shape->m_nFillType = 1;
    shape->m_bNoLine = 1;
    return shape;
}

int Lightness(const QImage& image, QPoint at)
{
    return image.pixelColor(at).lightness();
}

} // namespace

TEST(ShapePainting, SolidFillInsideOutlineOnTheEdgeNothingOutside)
{
    ShapeObject shape(PageRect{50, 50, 150, 150}, ShapeOutline::Rectangle, 4, 0,
                      Rgb(0, 0, 255), Rgb(255, 0, 0));
    shape.m_bFill = 1;
    shape.m_nFillType = 1;
    const QImage image = PaintObject(shape, kCanvas);
    EXPECT_TRUE(Near(image.pixelColor(100, 100), QColor(255, 0, 0)));
    EXPECT_TRUE(Near(image.pixelColor(50, 100), QColor(0, 0, 255)));
    EXPECT_EQ(image.pixelColor(40, 100), kWhite);

    // Half-transparent fill lets the page through.
    shape.m_nFillAlpha = 128;
    EXPECT_TRUE(Near(PaintObject(shape, kCanvas).pixelColor(100, 100), QColor(255, 127, 127)));
    // Without a fill only the outline shows.
    shape.m_bFill = 0;
    shape.m_nFillType = 0;
    EXPECT_EQ(PaintObject(shape, kCanvas).pixelColor(100, 100), kWhite);
}

TEST(ShapePainting, ExactFiguresAndRotationAboutTheCentre)
{
    // Round corners stay 30 units across at any size.
    auto round = Filled(ShapeOutline::RoundRectangle, {0, 0, 280, 280}, Rgb(0, 0, 0));
    QImage image = PaintObject(*round, kCanvas);
    EXPECT_EQ(image.pixelColor(2, 2), kWhite);
    EXPECT_TRUE(Near(image.pixelColor(16, 2), Qt::black));

    // The heart: the notch at the top middle is open, the body below it is full.
    auto heart = Filled(ShapeOutline::Heart, {0, 0, 240, 240}, Rgb(0, 0, 0));
    image = PaintObject(*heart, kCanvas);
    EXPECT_EQ(image.pixelColor(120, 50), kWhite);
    EXPECT_TRUE(Near(image.pixelColor(120, 195), Qt::black));

    // Rotation turns the figure about its centre.
    auto bar = Filled(ShapeOutline::Rectangle, {50, 140, 250, 160}, Rgb(0, 0, 0));
    bar->m_nAngle = 90;
    image = PaintObject(*bar, kCanvas);
    EXPECT_TRUE(Near(image.pixelColor(150, 70), Qt::black));
    EXPECT_EQ(image.pixelColor(70, 150), kWhite);
}

TEST(ShapePainting, GradientStylesSetDirectionAndBlend)
{
    auto shape = Filled(ShapeOutline::Rectangle, {20, 20, 280, 280}, Rgb(0, 0, 0));
    shape->m_nFillType = 2; // from the second colour, white, to the fill colour, black
    // Each style's lightest place against its darkest.
    for (const auto& [style, light, dark] : {std::tuple{1, QPoint(40, 150), QPoint(260, 150)},
                                             {3, QPoint(150, 40), QPoint(150, 260)},
                                             {5, QPoint(40, 40), QPoint(260, 260)},
                                             {9, QPoint(150, 150), QPoint(30, 150)}}) {
        shape->m_nGradientStyle = style;
        const QImage image = PaintObject(*shape, kCanvas);
        EXPECT_GT(Lightness(image, light), Lightness(image, dark) + 60) << style;
    }
}

TEST(ShapePainting, HardSoftAndGlowShadows)
{
    auto shape = Filled(ShapeOutline::Rectangle, {100, 100, 200, 200}, Rgb(255, 0, 0));
    SetShadow(*shape, ShadowType::Hard, 10, 10, Rgb(0, 0, 0));
    shape->m_nShadowDir = 1; // up left
    QImage image = PaintObject(*shape, kCanvas);
    EXPECT_TRUE(Near(image.pixelColor(95, 95), Qt::black));
    EXPECT_EQ(image.pixelColor(205, 205), kWhite);

    shape->m_nShadowDir = 5; // all round
    image = PaintObject(*shape, kCanvas);
    EXPECT_TRUE(Near(image.pixelColor(95, 95), Qt::black));
    EXPECT_TRUE(Near(image.pixelColor(205, 205), Qt::black));

    shape = Filled(ShapeOutline::Rectangle, {100, 100, 200, 200}, Rgb(255, 0, 0));
    SetShadow(*shape, ShadowType::Soft, 12, 12, Rgb(0, 0, 0));
    image = PaintObject(*shape, kCanvas);
    // Under the offset figure it is dark, at its rim half-toned, ahead of it clean.
    EXPECT_LT(Lightness(image, {206, 180}), 80);
    const int rim = Lightness(image, {212, 180});
    EXPECT_GT(rim, 40);
    EXPECT_LT(rim, 230);
    EXPECT_EQ(image.pixelColor(90, 150), kWhite);

    shape->m_nShadowType = ShadowType::Glow;
    image = PaintObject(*shape, kCanvas);
    EXPECT_LT(Lightness(image, {97, 150}), 250);
    EXPECT_LT(Lightness(image, {203, 150}), 250);
    EXPECT_EQ(image.pixelColor(60, 150), kWhite);
}

TEST(BlurredShadow, BlurSpreadsEvenlyAndKeepsFlatAreasFlat)
{
    const int size = 21;
    std::vector<unsigned char> spot(size * size, 0);
    for (int y = 8; y <= 12; ++y)
        for (int x = 8; x <= 12; ++x)
            spot[y * size + x] = 255;
    BlurCoverage(spot, size, size, 2);
    EXPECT_EQ(spot[10 * size + 7], spot[10 * size + 13]);
    EXPECT_EQ(spot[7 * size + 10], spot[13 * size + 10]);
    EXPECT_GT(spot[10 * size + 6], 0);

    std::vector<unsigned char> flat(spot.size(), 200);
    BlurCoverage(flat, size, size, 3);
    for (unsigned char value : flat)
        EXPECT_NEAR(value, 200, 3);
}

TEST(ShapePainting, TextureFillIsLoadedOnceAndCopiesLoadTheirOwn)
{
    QTemporaryDir dir;
    const QString texturePath =
        WriteSolidPicture(dir.filePath(QStringLiteral("green.png")), {8, 8}, QColor(0, 200, 0));

    auto shape = Filled(ShapeOutline::Ellipse, {50, 50, 250, 250}, Rgb(255, 0, 0));
    shape->m_nFillType = 4;
    shape->m_strTexture = texturePath;
    const QImage textured = PaintObject(*shape, kCanvas);
    EXPECT_TRUE(Near(textured.pixelColor(150, 150), QColor(0, 200, 0)));
    EXPECT_EQ(textured.pixelColor(60, 60), kWhite); // outside the ellipse
    // Kept once loaded, even when the file goes away...
    const std::unique_ptr<PageObject> copy = shape->Clone();
    ASSERT_TRUE(QFile::remove(texturePath));
    EXPECT_TRUE(Near(PaintObject(*shape, kCanvas).pixelColor(150, 150), QColor(0, 200, 0)));
    // ... and the copy read its own while the file was there.
    EXPECT_TRUE(Near(PaintObject(*copy, kCanvas).pixelColor(150, 150), QColor(0, 200, 0)));
    // A texture that cannot be read leaves the figure unfilled.
    shape->m_strTexture = dir.filePath(QStringLiteral("missing.png"));
    EXPECT_EQ(PaintObject(*shape, kCanvas).pixelColor(150, 150), kWhite);
}

TEST(SelectionFrame, OnlyOnScreenOutsidePhotosAndForEveryKind)
{
    auto shape = Filled(ShapeOutline::Rectangle, {50, 50, 250, 250}, Rgb(255, 255, 255));
    shape->m_bSelected = 1;
    // Handles sit inside a shape...
    EXPECT_TRUE(Near(PaintObject(*shape, kCanvas, DrawContext{}).pixelColor(53, 53), Qt::black));
    EXPECT_EQ(PaintObject(*shape, kCanvas, DrawContext{}).pixelColor(46, 46), kWhite);
    EXPECT_EQ(PaintObject(*shape, kCanvas, DrawContext::Export()).pixelColor(53, 53), kWhite);
    EXPECT_EQ(PaintObject(*shape, kCanvas, DrawContext{DrawContext::Device::Screen, false, 1.5})
                  .pixelColor(53, 53),
              kWhite);

    // ... and outside a photo.
    QTemporaryDir dir;
    const auto photo = PhotoOfFile(
        WriteSolidPicture(dir.filePath(QStringLiteral("white.jpg")), {20, 20}, Qt::white),
        {50, 50, 250, 250});
    photo->m_bSelected = 1;
    EXPECT_TRUE(Near(PaintObject(*photo, kCanvas, DrawContext{}).pixelColor(46, 46), Qt::black));

    // Kinds no figure is drawn for still show their frame.
    for (int kind : {5, 37, 129}) {
        auto unlisted = Filled(kind, {50, 50, 250, 250}, Rgb(0, 0, 0));
        unlisted->m_bSelected = 1;
        const QImage image = PaintObject(*unlisted, kCanvas, DrawContext{});
        EXPECT_EQ(image.pixelColor(150, 150), kWhite) << kind;
        EXPECT_TRUE(Near(image.pixelColor(52, 52), Qt::black)) << kind; // the corner handle
    }
}

TEST(CurvePainting, OpenClosedAndBezierKinds)
{
    // A closed freehand shape without a fill shows only its outline.
    CurveObject closed({{50, 50}, {250, 50}, {250, 250}, {50, 250}}, CurveKind::ClosedFreehand, 3,
                        0, Rgb(0, 0, 255));
    QImage image = PaintObject(closed, kCanvas);
    EXPECT_EQ(image.pixelColor(150, 150), kWhite);
    EXPECT_TRUE(Near(image.pixelColor(50, 150), QColor(0, 0, 255))); // closed back to the start

    closed.m_bFill = 1;
    image = PaintObject(closed, kCanvas);
    EXPECT_TRUE(Near(image.pixelColor(150, 150), QColor(255, 0, 0)));

    // An open stroke is never filled and never closed.
    CurveObject open({{50, 50}, {250, 50}, {250, 250}, {50, 250}}, CurveKind::OpenFreehand, 3, 0,
                      Rgb(0, 0, 255));
    open.m_bFill = 1;
    image = PaintObject(open, kCanvas);
    EXPECT_EQ(image.pixelColor(150, 150), kWhite);
    EXPECT_EQ(image.pixelColor(50, 150), kWhite);

    // The straight line from the line tool.
    CurveObject line({{20, 100}, {280, 100}}, CurveKind::Line, 5, 0, Rgb(0, 128, 0));
    EXPECT_TRUE(Near(PaintObject(line, kCanvas).pixelColor(150, 100), QColor(0, 128, 0)));
    QList<QPoint> nine;
    for (int i = 0; i < 9; ++i)
        nine.append(QPoint(30 + 30 * i, i % 2 == 0 ? 50 : 250));
    CurveObject bezier(nine, CurveKind::ClosedBezier, 2, 0, Rgb(0, 0, 0));
    bezier.m_bFill = 1;
    image = PaintObject(bezier, kCanvas);
    EXPECT_EQ(bezier.PointCount(), 7);
    EXPECT_GT(DarkInk(image).count, 0);
}

TEST(CurvePainting, GradientHatchAndHardShadowOfFilledFigures)
{
    CurveObject square({{50, 50}, {250, 50}, {250, 250}, {50, 250}}, CurveKind::Polygon, 1, 0,
                        Rgb(0, 0, 0));
    square.m_crFill = Rgb(255, 255, 255);
    square.m_nFillType = 2;
    square.m_nCurveOption = 1; // left to right, from the line colour to the fill colour
    square.m_bNoLine = 1;
    QImage image = PaintObject(square, kCanvas);
    EXPECT_LT(Lightness(image, {60, 150}), Lightness(image, {240, 150}) - 100);

    square.m_nFillType = 5;
    square.m_bFill = 1;
    square.m_crFill = Rgb(255, 255, 0);
    image = PaintObject(square, kCanvas);
    const QRect row(100, 150, 100, 1);
    const auto yellow = [](const QColor& c) { return Near(c, QColor(255, 255, 0)); };
    EXPECT_GT(InkWhere(image, yellow, row).count, 10);
    EXPECT_GT(DarkInk(image, row).count, 10);

    square.m_nFillType = 1;
    SetShadow(square, ShadowType::Hard, 10, 10, Rgb(0, 0, 255));
    image = PaintObject(square, kCanvas);
    EXPECT_TRUE(Near(image.pixelColor(255, 255), QColor(0, 0, 255)));
    EXPECT_EQ(image.pixelColor(45, 45), kWhite);
}

TEST(SymbolPainting, GlyphInItsColourWithinItsBox)
{
    SymbolObject symbol;
    symbol.m_strSymbolFont = QStringLiteral("DejaVu Sans");
    symbol.m_nSymbolChar = 0x25A0; // a filled square
    symbol.m_crSymbol = Rgb(200, 0, 0);
    symbol.m_rect = {50, 50, 250, 250};
    QImage image = PaintObject(symbol, kCanvas);
    EXPECT_TRUE(Near(image.pixelColor(150, 150), QColor(200, 0, 0), 20));
    EXPECT_EQ(image.pixelColor(20, 20), kWhite);

    // A code that is no character paints nothing.
    symbol.m_nSymbolChar = -5;
    EXPECT_EQ(PaintObject(symbol, kCanvas).pixelColor(150, 150), kWhite);
}
