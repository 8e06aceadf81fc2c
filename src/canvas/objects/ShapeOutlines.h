#pragma once

#include "canvas/objects/PageRect.h"

#include <QPainterPath>
#include <QPoint>
#include <QVector>

// The figures of the shape kinds, fitted to an object's rectangle.
namespace ShapeOutline {

constexpr int Rectangle = 2;
constexpr int RoundRectangle = 3;
constexpr int Ellipse = 4;
constexpr int Heart = 21;
constexpr int LineWithDot = 30;
constexpr int Star = 34;

// The figure of `kind`, or an empty path for a kind that paints nothing.
QPainterPath Build(int kind, const PageRect& rect, int starPoints);
bool IsPainted(int kind);

// The star's inner radius for outer radius `outer` and `points` points.
int StarInnerRadius(int outer, int points);
// The star's corners, outer and inner alternating, from the top point clockwise.
QVector<QPoint> StarVertices(const PageRect& rect, int points);

} // namespace ShapeOutline
