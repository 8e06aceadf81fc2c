// Writes a page of every shape kind and style to look at, when asked:
//   TENDREL_SCREENSHOT_DIR=DIR test_canvas --gtest_filter='Showcase*'
#include "CanvasTestKit.h"

#include "canvas/objects/CurveObject.h"
#include "canvas/objects/DrawObject.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/ShapeFigures.h"
#include "canvas/objects/ShapeOutlines.h"
#include "canvas/objects/SymbolObject.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

CWrnDocument ShowcasePage()
{
    CWrnDocument page;
    std::vector<int> kinds = {2, 3, 4, 21, 34};
    const auto& designed = ShapeFigures::DesignedKinds();
    kinds.insert(kinds.end(), designed.begin(), designed.end());
    int index = 0;
    for (int kind : kinds) {
        const int column = index % 7, row = index / 7;
        const CPageRect cell{20 + column * 118, 20 + row * 100, 20 + column * 118 + 100,
                             20 + row * 100 + 80};
        auto shape = std::make_unique<CDrawObject>(cell, kind, 2, index % 5, Rgb(20, 40, 90),
                                                   Rgb(80 + (index * 37) % 160, 140, 220));
        shape->m_nStarPoints = 5 + index % 4;
        shape->m_bFill = 1;
        shape->m_nFillType = index % 3 == 0 ? 2 : 1;
        shape->m_nGradientStyle = 1 + index % 32;
        shape->m_nShadowType = index % 4;
        shape->m_crShadow = Rgb(60, 60, 60);
        shape->m_nShadowAlpha = 140;
        page.objects.push_back(std::move(shape));
        ++index;
    }
    QList<QPoint> wave;
    for (int x = 0; x <= 300; x += 20)
        wave.append(QPoint(40 + x, 960 + (x / 20 % 2 ? 40 : 0)));
    auto spline = std::make_unique<CCurveObject>(wave, CurveKind::Spline, 3, 0, Rgb(200, 30, 30));
    page.objects.push_back(std::move(spline));
    auto closed = std::make_unique<CCurveObject>(
        QList<QPoint>{{420, 940}, {520, 920}, {600, 1000}, {480, 1060}, {400, 1010}},
        CurveKind::ClosedSpline, 2, 0, Rgb(0, 0, 0));
    closed->m_bFill = 1;
    closed->m_nFillType = 3;
    closed->m_nShadowType = 1;
    page.objects.push_back(std::move(closed));
    auto symbol = std::make_unique<CSymbolObject>();
    symbol->m_rect = {660, 930, 760, 1030};
    symbol->m_strSymbolFont = QStringLiteral("DejaVu Sans");
    symbol->m_nSymbolChar = 0x2740;
    page.objects.push_back(std::move(symbol));
    return page;
}

} // namespace

TEST(Showcase, EveryShapeKindOnOnePage)
{
    const CWrnDocument page = ShowcasePage();
    const QImage image = PageRenderer::Render(page);
    ASSERT_FALSE(image.isNull());
    const QString folder = qEnvironmentVariable("TENDREL_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "set TENDREL_SCREENSHOT_DIR to keep the picture";
    QDir().mkpath(folder);
    EXPECT_TRUE(image.save(QDir(folder).filePath(QStringLiteral("canvas-shapes.png"))));
    EXPECT_TRUE(SaveDocument(QDir(folder).filePath(QStringLiteral("canvas-shapes.wrn")), page.page,
                             page.objects));
}
