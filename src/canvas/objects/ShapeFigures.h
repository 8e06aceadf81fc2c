#pragma once
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <vector>

// The figures of the shape kinds whose geometry is the program's own design. Every
// figure is fitted to the given rectangle (page units, y grows downwards).
namespace ShapeFigures {
// The figure of `kind` fitted to `rect`, or an empty path when `kind` is not one of
// the designed kinds below.
QPainterPath Figure(int kind, const QRectF& rect);
// Every kind Figure() draws, ascending.
const std::vector<int>& DesignedKinds();
// A short English name of the kind ("Right arrow", "Cloud" ...); empty for others.
QString KindName(int kind);
} // namespace ShapeFigures
