#include "canvas/objects/ShapeFigures.h"
#include "support/QtPrinters.h"

#include <QLineF>
#include <QPolygonF>
#include <QTransform>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using Path = QPainterPath;

const QRectF kRect(10, 20, 120, 90);
// arcTo() puts arc ends on Qt's Bezier approximation of the ellipse, so arcs meeting at
// an exact crossing leave joins about this short; anything longer is a real segment.
const qreal kJoin = 0.06;

// The figure's subpaths, curves flattened.
QList<QPolygonF> Pieces(int kind)
{
    return ShapeFigures::Figure(kind, kRect).toSubpathPolygons();
}

bool Closed(const QPolygonF& piece)
{
    return piece.size() > 1 && QLineF(piece.first(), piece.last()).length() < 1e-6;
}

// How many curves the figure is drawn with, and the length of its longest straight segment.
std::pair<int, qreal> Segments(int kind)
{
    const Path path = ShapeFigures::Figure(kind, kRect);
    int curves = 0;
    qreal longest = 0;
    for (int i = 1; i < path.elementCount(); ++i) {
        curves += path.elementAt(i).isCurveTo() ? 1 : 0;
        if (path.elementAt(i).isLineTo())
            longest = std::max(longest, QLineF(path.elementAt(i - 1), path.elementAt(i)).length());
    }
    return {curves, longest};
}

// Whether segments ab and cd cross at a point inside both.
bool Crossing(QPointF a, QPointF b, QPointF c, QPointF d)
{
    const auto side = [](QPointF o, QPointF p, QPointF q) {
        return (p.x() - o.x()) * (q.y() - o.y()) - (p.y() - o.y()) * (q.x() - o.x());
    };
    return side(a, b, c) * side(a, b, d) < -1e-9 && side(c, d, a) * side(c, d, b) < -1e-9;
}

class EveryFigureTest : public ::testing::TestWithParam<int>
{
};

TEST_P(EveryFigureTest, FillsItsRectangleExactlyAtAnyAspectAndScalesWithIt)
{
    for (const QRectF rect : {QRectF(-5, 7, 40, 160), QRectF(0, 0, 300, 60)}) {
        const QRectF bounds = ShapeFigures::Figure(GetParam(), rect).boundingRect();
        const qreal off = (bounds.topLeft() - rect.topLeft()).manhattanLength() +
                          (bounds.bottomRight() - rect.bottomRight()).manhattanLength();
        EXPECT_LT(off, 1e-3) << rect.width() << "x" << rect.height();
    }
    // Dragged the other way, the rectangle comes with negative sides.
    const QRectF backwards(kRect.right(), kRect.bottom(), -kRect.width(), -kRect.height());
    EXPECT_EQ(ShapeFigures::Figure(GetParam(), backwards), ShapeFigures::Figure(GetParam(), kRect));
    // Twice the rectangle, twice the figure, every point of it.
    const QTransform twice = QTransform::fromTranslate(-3, -4) * QTransform::fromScale(2, 2) *
                             QTransform::fromTranslate(3, 4);
    EXPECT_EQ(twice.map(ShapeFigures::Figure(GetParam(), QRectF(3, 4, 50, 30))),
              ShapeFigures::Figure(GetParam(), QRectF(3, 4, 100, 60)));
}

TEST_P(EveryFigureTest, FlatRectanglesGiveFinitePointsInsideThem)
{
    for (const QRectF rect : {QRectF(10, 20, 0, 50), QRectF(10, 20, 50, 0), QRectF(10, 20, 0, 0)}) {
        const Path path = ShapeFigures::Figure(GetParam(), rect);
        for (int i = 0; i < path.elementCount(); ++i)
            ASSERT_TRUE(std::isfinite(path.elementAt(i).x) && std::isfinite(path.elementAt(i).y));
        if (path.isEmpty())
            continue; // Qt adds nothing for an ellipse in a null rectangle
        const QRectF bounds = path.boundingRect();
        EXPECT_TRUE(bounds.left() >= rect.left() - 1e-9 && bounds.right() <= rect.right() + 1e-9 &&
                    bounds.top() >= rect.top() - 1e-9 && bounds.bottom() <= rect.bottom() + 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(ShapeFigures, EveryFigureTest,
                         ::testing::ValuesIn(ShapeFigures::DesignedKinds()));

TEST(ShapeFiguresTest, PolygonKindsAreClosedSimplePolygonsOfStraightSegments)
{
    const std::set<int> twoPolygons{6, 32, 35, 41, 127};
    for (const int kind :
         {6, 7, 8, 10, 13, 14, 17, 18, 19, 24, 32, 35, 41, 43, 44, 46, 49, 126, 127}) {
        SCOPED_TRACE(kind);
        const auto pieces = Pieces(kind);
        EXPECT_EQ(pieces.size(), twoPolygons.count(kind) ? 2 : 1);
        EXPECT_TRUE(std::all_of(pieces.begin(), pieces.end(), Closed));
        EXPECT_EQ(Segments(kind).first, 0);
        for (const QPolygonF& piece : pieces) {
            // Crossing edges would punch holes into the fill.
            const std::vector<QPointF> v(piece.begin(), piece.end() - 1);
            const std::size_t n = v.size();
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t j = i + 2; j < n - (i == 0 ? 1 : 0); ++j)
                    EXPECT_FALSE(Crossing(v[i], v[i + 1], v[j], v[(j + 1) % n]))
                        << i << ", " << j;
        }
    }
}

TEST(ShapeFiguresTest, CurvedKindsUseStraightSegmentsOnlyWhereMeant)
{
    // Curves alone, then arcs or Bezier segments joined by straight segments and the
    // composite figures.
    for (const auto& [kinds, straight] :
         {std::pair{std::vector{20, 23, 124}, false},
          {std::vector{15, 22, 25, 26, 31, 39, 40, 42, 45, 47, 128}, true}})
        for (const int kind : kinds) {
            const auto [curves, longestLine] = Segments(kind);
            const auto pieces = Pieces(kind);
            EXPECT_TRUE(std::all_of(pieces.begin(), pieces.end(), Closed)) << kind;
            EXPECT_GT(curves, 0) << kind;
            EXPECT_EQ(longestLine > kJoin, straight) << kind;
        }
    // The brace is open: it ends far from where it starts.
    const auto brace = Pieces(48);
    ASSERT_EQ(brace.size(), 1);
    EXPECT_GT(QLineF(brace[0].first(), brace[0].last()).length(), 50);
}

TEST(ShapeFiguresTest, EllipseFiguresKeepTheirHoles)
{
    EXPECT_FALSE(ShapeFigures::Figure(9, kRect).contains(kRect.center()));
    EXPECT_TRUE(ShapeFigures::Figure(36, kRect).contains(kRect.center()));
    const Path smiley = ShapeFigures::Figure(11, kRect);
    EXPECT_TRUE(smiley.contains(kRect.center()));
    const QPointF leftEye(kRect.left() + 0.36 * kRect.width(), kRect.top() + 0.35 * kRect.height());
    EXPECT_FALSE(smiley.contains(leftEye));
}

// Overlapping pieces would show as holes under the odd-even fill.
TEST(ShapeFiguresTest, PiecesOfSolidFiguresDoNotOverlap)
{
    const int steps = 97;
    for (const int kind : {6, 31, 32, 35, 39, 41, 127, 128}) {
        const QList<QPolygonF> pieces = ShapeFigures::Figure(kind, kRect).toSubpathPolygons();
        ASSERT_GE(pieces.size(), 2) << kind;
        for (int i = 0; i < steps * steps; ++i) {
            const QPointF p(kRect.left() + (i % steps + 0.5) * kRect.width() / steps,
                            kRect.top() + (i / steps + 0.5) * kRect.height() / steps);
            const auto inside =
                std::count_if(pieces.begin(), pieces.end(), [&](const QPolygonF& piece) {
                    return piece.containsPoint(p, Qt::OddEvenFill);
                });
            ASSERT_LE(inside, 1) << kind << " at " << p.x() << ", " << p.y();
        }
    }
}

TEST(ShapeFiguresTest, StrokedLinesComeAsOpenSingleSegments)
{
    // Balloon: the filled ellipse first, then its string.
    const auto balloon = Pieces(30);
    ASSERT_EQ(balloon.size(), 2);
    EXPECT_TRUE(Closed(balloon[0]) && Segments(30).first > 0);
    EXPECT_EQ(balloon[1].size(), 2);

    // Frame: two boxes and four mitres.
    const auto frame = Pieces(125);
    EXPECT_EQ(Segments(125).first, 0);
    EXPECT_EQ(std::count_if(frame.begin(), frame.end(), Closed), 2);
    const auto mitre = [](const QPolygonF& piece) { return piece.size() == 2; };
    EXPECT_EQ(std::count_if(frame.begin(), frame.end(), mitre), 4);
}

} // namespace
