#include "CanvasTestKit.h"

#include "canvas/editing/CanvasPainter.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ShapeOutlines.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/photo/ScaledPicture.h"
#include "support/PictureFiles.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QSize kWindow(400, 300);

// Smooth gradients, so a picture sampled and one area-averaged look alike.
QImage Gradient(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 90));
    return picture;
}

DrawContext Screen(double zoom)
{
    DrawContext context;
    context.zoom = zoom;
    return context;
}

// The object painted as the canvas paints it, into the exposed part of a white window.
QImage Painted(PageObject& object, const DrawContext& context, double zoom,
               QPoint scroll = {}, QRect exposed = QRect(QPoint(), kWindow))
{
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::white);
    QPainter painter(&window);
    painter.setClipRect(exposed);
    painter.setTransform(CanvasGeometry::ViewMapping{zoom, scroll}.PageToWindow());
    object.Draw(painter, context);
    return window;
}

// Whether two paintings agree within `tolerance` on every `step`th pixel of `area`.
::testing::AssertionResult Alike(const QImage& a, const QImage& b, QRect area, int tolerance,
                                 int step = 3)
{
    for (int y = area.top(); y <= area.bottom(); y += step)
        for (int x = area.left(); x <= area.right(); x += step)
            if (!ColorsNear(a.pixelColor(x, y), b.pixelColor(x, y), tolerance))
                return ::testing::AssertionFailure()
                       << "at " << x << "," << y << ": " << qPrintable(a.pixelColor(x, y).name())
                       << " against " << qPrintable(b.pixelColor(x, y).name());
    return ::testing::AssertionSuccess();
}

class ScaledPictureTest : public ::testing::Test
{
protected:
    std::unique_ptr<PhotoObject> Photo(const QImage& picture, PageRect rect,
                                        const QString& name = QStringLiteral("p.bmp"))
    {
        auto photo = PhotoOfPicture(m_dir.filePath(name), picture);
        photo->m_rect = rect;
        return photo;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST(ScaledForScreen, AveragesAsQtSmoothScalingDoes)
{
    QImage clear(120, 90, QImage::Format_ARGB32);
    for (int y = 0; y < clear.height(); ++y)
        for (int x = 0; x < clear.width(); ++x)
            clear.setPixel(x, y, (x + y) % 2 ? qRgba(255, 0, 0, 0) : qRgba(0, 0, 200, 255));
    const QImage palette = Gradient(97, 61).convertToFormat(QImage::Format_Indexed8);
    // Speckles averaged are checked as the canvas shows them, below.
    for (const QImage& picture :
         {Gradient(640, 480).convertToFormat(QImage::Format_BGR888), clear, palette}) {
        const QSize size(picture.width() * 2 / 3, picture.height() / 3);
        const QImage ours = PhotoPixels::ScaledForScreen(picture, size);
        // Qt scales palette pictures back into their palette; compared in 32 bits.
        const QImage qt = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        ASSERT_EQ(ours.size(), size);
        // Clear pixels add no colour: a red that is not there never shows.
        EXPECT_TRUE(Alike(ours, qt, ours.rect().adjusted(1, 1, -1, -1), 3, 1)) << picture.format();
        EXPECT_NEAR(ours.pixelColor(1, 1).alpha(), qt.pixelColor(1, 1).alpha(), 1);
    }
    EXPECT_TRUE(PhotoPixels::ScaledForScreen(QImage(), {4, 4}).isNull());
    EXPECT_TRUE(PhotoPixels::ScaledForScreen(palette, {0, 4}).isNull());
}

TEST_F(ScaledPictureTest, ScreenMatchesTheFullPictureAtEveryZoom)
{
    auto photo = Photo(Gradient(1200, 900), {20, 10, 220, 160});
    auto turned = Photo(Gradient(1200, 900), {40, 30, 200, 150}, QStringLiteral("t.bmp"));
    turned->m_nAngle = 12;
    for (const double zoom : {0.5, 1.5}) {
        for (PhotoObject* object : {photo.get(), turned.get()}) {
            const QImage screen = Painted(*object, Screen(zoom), zoom);
            const QImage full = Painted(*object, DrawContext::Export(), zoom);
            const QRect inside = CanvasGeometry::ViewMapping{zoom, {}}.ToWindow(object->m_rect)
                                     .adjusted(12, 12, -12, -12)
                                     .intersected(QRect(QPoint(), kWindow));
            EXPECT_TRUE(Alike(screen, full, inside, 4)) << "zoom " << zoom << " angle "
                                                         << object->m_nAngle;
        }
    }
    // Painted again at the same zoom, the copy is the one already made.
    const QSize shown(100, 75);
    Painted(*photo, Screen(0.5), 0.5);
    const qint64 kept = photo->ScreenPicture(shown).cacheKey();
    Painted(*photo, Screen(0.5), 0.5);
    EXPECT_EQ(photo->ScreenPicture(shown).cacheKey(), kept);
}

TEST_F(ScaledPictureTest, FilesAndPrintersGetEveryPixel)
{
    // A quarter of the size: the screen shows the speckles averaged, while drawing the
    // whole picture samples between them.
    // One dark pixel in each 4 × 4 block, where smooth sampling never reads.
    QImage speckled(400, 400, QImage::Format_RGB32);
    speckled.fill(Qt::white);
    for (int y = 0; y < 400; y += 4)
        for (int x = 0; x < 400; x += 4)
            speckled.setPixel(x, y, qRgb(0, 0, 0));
    auto photo = Photo(speckled, {0, 0, 100, 100});
    const QImage screen = Painted(*photo, Screen(1.0), 1.0);
    EXPECT_NEAR(screen.pixelColor(50, 50).red(), 239, 3);
    for (const DrawContext& context : {DrawContext::Export(), DrawContext::Print()}) {
        const QImage full = Painted(*photo, context, 1.0);
        EXPECT_GT(full.pixelColor(50, 50).red(), 250);
    }
}

TEST_F(ScaledPictureTest, EditsAndZoomsAreShownAtOnceAndManyTimesEnlargedOnlyTheClipIsRead)
{
    auto photo = Photo(Gradient(800, 600), {60, 60, 260, 210});
    const QPoint probe(150, 130);
    const QColor before = Painted(*photo, Screen(1.0), 1.0).pixelColor(probe);
    const auto copy = photo->Clone();

    ASSERT_TRUE(PhotoAdjustments::Darken(*photo));
    EXPECT_LT(Painted(*photo, Screen(1.0), 1.0).pixelColor(probe).green(), before.green() - 5);
    // The copy kept for undo still shows the photo as it was.
    EXPECT_TRUE(ColorsNear(Painted(*copy, Screen(1.0), 1.0).pixelColor(probe), before, 1));

    // A palette picture is lightened by its colour table alone.
    QImage gray(400, 300, QImage::Format_Indexed8);
    gray.setColorTable({qRgb(100, 100, 100)});
    gray.fill(0);
    auto palette = Photo(gray, {0, 0, 100, 75}, QStringLiteral("g.bmp"));
    const int dim = Painted(*palette, Screen(1.0), 1.0).pixelColor(50, 40).red();
    ASSERT_TRUE(PhotoAdjustments::Lighten(*palette));
    EXPECT_GT(Painted(*palette, Screen(1.0), 1.0).pixelColor(50, 40).red(), dim + 5);

    // Many times enlarged, the screen reads only the clip, and the same as the whole.
    auto enlarged = Photo(Gradient(300, 200), {0, 0, 150, 100}, QStringLiteral("e.bmp"));
    const QPoint scroll(400, 300);
    const QRect exposed(37, 41, 90, 70);
    const QImage part = Painted(*enlarged, Screen(8.0), 8.0, scroll, exposed);
    const QImage whole = Painted(*enlarged, DrawContext::Export(), 8.0, scroll, exposed);
    EXPECT_TRUE(Alike(part, whole, exposed, 1, 1));
    EXPECT_EQ(part.pixelColor(exposed.left() - 1, exposed.top()), QColor(Qt::white));
}

TEST_F(ScaledPictureTest, KeptShadowsFollowMovesAndChanges)
{
    auto photo = Photo(Gradient(400, 300), {40, 40, 140, 115});
    PhotoAdjustments::SetPhotoShadow(*photo, 0, 8, 60, Rgb(0, 0, 0));
    const auto softShadowedStar = [](PageRect rect, ColorRef shadow) {
        ShapeObject star(rect, ShapeOutline::Star, 1, 0, Rgb(0, 0, 0), Rgb(200, 40, 40));
        star.m_bFill = 1;
        SetShadow(star, ShadowType::Soft, 8, 8, shadow);
        return star;
    };
    ShapeObject shape = softShadowedStar({200, 60, 280, 120}, Rgb(0, 0, 0));

    // Painted once, then moved by whole and by part pixels and recoloured, each painted
    // as afresh.
    const double zoom = 1.5;
    for (const auto& [dx, dy, colour] : {std::tuple{0, 0, Rgb(0, 0, 0)},
                                         std::tuple{1, 1, Rgb(0, 0, 0)},
                                         std::tuple{0, 0, Rgb(0, 0, 220)}}) {
        photo->m_rect = CanvasGeometry::Offset(photo->m_rect, dx, dy);
        shape.m_rect = CanvasGeometry::Offset(shape.m_rect, dx, dy);
        photo->m_crShadow = shape.m_crShadow = colour;
        const QImage screen = Painted(*photo, Screen(zoom), zoom);
        EXPECT_TRUE(Alike(screen, Painted(*photo, DrawContext::Export(), zoom),
                          QRect(QPoint(), kWindow), 3))
            << "photo moved " << dx << "," << dy;
        ShapeObject fresh = softShadowedStar(shape.m_rect, colour);
        EXPECT_TRUE(Alike(Painted(shape, Screen(zoom), zoom), Painted(fresh, Screen(zoom), zoom),
                          QRect(QPoint(), kWindow), 0))
            << "shape moved " << dx << "," << dy;
    }
}
