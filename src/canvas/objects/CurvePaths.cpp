#include "canvas/objects/CurvePaths.h"

namespace CurvePaths {
namespace {
constexpr double kTension = 0.5;
}

QPainterPath Polyline(const QList<QPointF>& points, bool closed)
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    path.moveTo(points.front());
    for (qsizetype i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath CardinalSpline(const QList<QPointF>& points, bool closed)
{
    const qsizetype n = points.size();
    if (n < 3)
        return Polyline(points, closed);
    auto at = [&](qsizetype i) {
        if (closed)
            return points[(i % n + n) % n];
        return points[std::clamp<qsizetype>(i, 0, n - 1)];
    };
    QPainterPath path(points.front());
    const qsizetype segments = closed ? n : n - 1;
    for (qsizetype i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) * (kTension / 3.0), p2 - (p3 - p1) * (kTension / 3.0), p2);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath BezierChain(const QList<QPointF>& points, bool closed)
{
    if (points.size() < 4)
        return Polyline(points, closed);
    QPainterPath path(points.front());
    for (qsizetype i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (closed)
        path.closeSubpath();
    return path;
}

int UsableBezierCount(int count)
{
    switch (count) {
    case 5: case 6: return 4;
    case 8: case 9: return 7;
    case 11: case 12: return 10;
    default: return count > 13 ? 13 : count;
    }
}

} // namespace CurvePaths
