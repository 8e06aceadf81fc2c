#include "canvas/editing/CanvasGeometry.h"
#include "canvas/editing/CanvasPainter.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/ShapeOutlines.h"
#include "support/PixelProbes.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace CanvasGeometry;

namespace {

// Counts how often the painter asks it to draw.
class CountedObject : public PageObject
{
public:
    explicit CountedObject(PageRect rect)
        : PageObject(ObjectType::Shape, QStringLiteral("T1"))
    {
        m_rect = rect;
    }
    std::unique_ptr<PageObject> Clone() const override
    {
        return std::make_unique<CountedObject>(*this);
    }
    void Draw(QPainter&, const DrawContext&) override { ++draws; }
    int draws = 0;
};

QImage PaintCanvas(const ObjectList& objects, double zoom, QRect exposed = QRect(0, 0, 400, 400))
{
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    CanvasPaint paint;
    paint.exposed = exposed;
    paint.mapping.zoom = zoom;
    CanvasPainter::Paint(painter, objects, paint);
    return image;
}

} // namespace

TEST(CanvasGeometry, ThePageFrameShowsWhereTheOutlineRuleSays)
{
    const QSize page(850, 1098);
    EXPECT_EQ(PageFrame::Of(page), (PageRect{40, 40, 890, 1138}));
    EXPECT_EQ(PageFrame::Of(INT32_MAX, 10).right, INT32_MAX);
    for (const auto& [width, left] : {std::pair{830, 40}, {1000, 75}, {880, 40}}) {
        for (const double zoom : {1.0, 2.0}) {
            const ViewMapping mapping = WindowMapping(zoom, {}, {width, 600}, page);
            const QRect frame = mapping.ToWindow(PageFrame::Of(page));
            EXPECT_EQ(frame.topLeft(), QPoint(left, 40) * zoom) << width << " at " << zoom;
            // Scrolling reaches the whole page, wherever the outline stands.
            EXPECT_GT(ScrollExtent(page, mapping).width(), frame.right());
        }
    }
}

TEST(CanvasGeometry, MappingsGiveTheSameRectangleBack)
{
    const PageRect rect{13, 27, 211, 390};
    for (double zoom : {1.0, 1.5, 8.0}) {
        const ViewMapping mapping{zoom, {35, 120}, {12, -7}};
        EXPECT_EQ(mapping.ToPage(mapping.ToWindow(rect)), rect) << zoom;
    }
}

TEST(CanvasPainter, PaintsBackgroundAndObjectsAtTheZoom)
{
    ObjectList objects;
    auto shape = std::make_unique<ShapeObject>(PageRect{100, 100, 160, 160},
                                               ShapeOutline::Rectangle, 1, 0, Rgb(0, 0, 0),
                                               Rgb(255, 0, 0));
    shape->m_bFill = 1;
    shape->m_nFillType = FillType::Solid;
    objects.push_back(std::move(shape));
    const QImage image = PaintCanvas(objects, 2.0);
    EXPECT_TRUE(ColorsNear(image.pixelColor(260, 260), Qt::red));
    EXPECT_TRUE(ColorsNear(image.pixelColor(130, 130), CanvasPaint().background));
}

TEST(CanvasPainter, SkipsOnlyObjectsThatCannotReachTheExposedPart)
{
    ObjectList objects;
    const auto add = [&](PageRect rect) {
        objects.push_back(std::make_unique<CountedObject>(rect));
        return static_cast<CountedObject*>(objects.back().get());
    };
    CountedObject* far = add({1000, 1000, 1050, 1050});
    CountedObject* nearby = add({400, 0, 450, 50});
    CountedObject* shadowed = add({400, 0, 450, 50});
    shadowed->m_nShadowType = ShadowType::Hard;
    shadowed->m_nShadowDX = -300;
    // Standing upright to the right; turned, it lies across the exposed part.
    CountedObject* turned = add({400, 0, 410, 600});
    turned->m_nAngle = 90;

    PaintCanvas(objects, 1.0, QRect(0, 0, 200, 400));
    EXPECT_EQ(far->draws, 0);
    EXPECT_EQ(nearby->draws, 0);
    EXPECT_EQ(shadowed->draws, 1);
    EXPECT_EQ(turned->draws, 1);
}
