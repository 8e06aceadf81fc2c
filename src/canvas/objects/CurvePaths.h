#pragma once

#include <QList>
#include <QPainterPath>
#include <QPointF>

// Paths through a list of vertices.
namespace CurvePaths {

QPainterPath Polyline(const QList<QPointF>& points, bool closed);
// A smooth curve through every vertex (cardinal spline, tension 0.5).
QPainterPath CardinalSpline(const QList<QPointF>& points, bool closed);
// Cubic Bézier segments sharing end points: 1 + 3n vertices. Fewer than 4 vertices
// make straight segments.
QPainterPath BezierChain(const QList<QPointF>& points, bool closed);
// How many of `count` vertices a Bézier chain can use: 5 or 6 give 4, 8 or 9 give 7,
// 11 or 12 give 10, anything above 13 gives 13.
int UsableBezierCount(int count);

} // namespace CurvePaths
