#include "canvas/objects/ShapeOutlines.h"

#include "canvas/objects/ShapeFigures.h"

#include <algorithm>
#include <cmath>

namespace ShapeOutline {
namespace {

constexpr int kCornerBox = 30; // round-rectangle corners keep this size at any scale

QPainterPath RoundRectanglePath(const PageRect& r)
{
    const double x = r.left, y = r.top, w = r.Width(), h = r.Height();
    const double far = kCornerBox + 1;
    QPainterPath path;
    path.arcMoveTo(x, y, kCornerBox, kCornerBox, 180);
    path.arcTo(x, y, kCornerBox, kCornerBox, 180, -90);
    path.arcTo(x + w - far, y, kCornerBox, kCornerBox, 90, -90);
    path.arcTo(x + w - far, y + h - far, kCornerBox, kCornerBox, 0, -90);
    path.arcTo(x, y + h - far, kCornerBox, kCornerBox, 270, -90);
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(const PageRect& r)
{
    // Wide integers: a damaged document's edges must not overflow.
    const qint64 x = r.left, y = r.top, w = r.Width(), h = r.Height();
    const QPointF notch(x + w / 2, y + h / 4);
    const QPointF tip(x + w / 2, y + h - h / 6);
    QPainterPath path(notch);
    path.cubicTo(QPointF(x + w / 4, y + h / 8), QPointF(x + w / 8, y + h / 3), tip);
    path.cubicTo(QPointF(x + w - w / 8, y + h / 3), QPointF(x + w - w / 4, y + h / 8), notch);
    path.closeSubpath();
    return path;
}

QPoint StarCorner(double x, double y)
{
    // Truncated as integers, held inside their range.
    constexpr double kLimit = 2147483647.0;
    return QPoint(int(std::clamp(x, -kLimit, kLimit)), int(std::clamp(y, -kLimit, kLimit)));
}

QPainterPath StarPath(const PageRect& r, int points)
{
    const QVector<QPoint> corners = StarVertices(r, points);
    QPainterPath path;
    if (corners.isEmpty())
        return path;
    path.addPolygon(QPolygonF(QPolygon(corners)));
    path.closeSubpath();
    return path;
}

} // namespace

int StarInnerRadius(int outer, int points)
{
    if (points < 5)
        return outer / 4;
    if (points == 5)
        return 2 * outer / 5;
    if (points < 10)
        return 3 * outer / 5;
    return 3 * outer / 4;
}

QVector<QPoint> StarVertices(const PageRect& r, int points)
{
    QVector<QPoint> corners;
    if (points <= 0 || points > 1000)
        return corners;
    const qint64 width = r.Width(), height = r.Height();
    const int outer = int(std::min(width, height) * 0.5);
    const int inner = StarInnerRadius(outer, points);
    const qint64 cx = r.left + width / 2;
    const qint64 cy = r.top + height / 2;
    corners.reserve(points * 2);
    for (int k = 0; k < points; ++k) {
        // The 90 is taken off in radians, as the figures always have been drawn.
        const double angle = k * 6.2831852 / points - 90;
        const double innerAngle = angle + 3.1415926 / points;
        corners.append(StarCorner(cx + outer * std::cos(angle), cy + outer * std::sin(angle)));
        corners.append(StarCorner(cx + inner * std::cos(innerAngle), cy + inner * std::sin(innerAngle)));
    }
    return corners;
}

QPainterPath Build(int kind, const PageRect& rect, int starPoints)
{
    QPainterPath path;
    switch (kind) {
    case Rectangle:
        path.addRect(rect.ToRectF());
        return path;
    case RoundRectangle:
        return RoundRectanglePath(rect);
    case Ellipse:
        path.addEllipse(rect.ToRectF());
        return path;
    case Heart:
        return HeartPath(rect);
    case Star:
        return StarPath(rect, starPoints);
    default:
        return ShapeFigures::Figure(kind, rect.ToRectF());
    }
}

bool IsPainted(int kind)
{
    switch (kind) {
    case Rectangle: case RoundRectangle: case Ellipse: case Heart: case Star:
        return true;
    default: {
        const auto& designed = ShapeFigures::DesignedKinds();
        return std::binary_search(designed.begin(), designed.end(), kind);
    }
    }
}

} // namespace ShapeOutline
