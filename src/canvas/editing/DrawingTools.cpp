#include "canvas/editing/DrawingTools.h"

#include "commands/CommandIds.h"
#include "canvas/editing/CanvasGeometry.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"

#include <algorithm>

namespace {

// A curve holds fewer points than a long mouse path: keep an even spread, first and last
// included, so the figure keeps its shape and a closed one still ends where it began.
QList<QPoint> Thinned(const QList<QPoint>& points, int most)
{
    const qsizetype count = points.size();
    if (count <= most)
        return points;
    QList<QPoint> kept;
    kept.reserve(most);
    for (int i = 0; i < most - 1; ++i)
        kept.append(points[qsizetype(double(i) * double(count - 1) / double(most - 1))]);
    kept.append(points.back());
    return kept;
}

} // namespace

namespace DrawingTool {

int OfCommand(int commandId)
{
    switch (commandId) {
    case Cmd::ToolLine: return Line;
    case Cmd::ToolRectangle: return Rectangle;
    case Cmd::ToolRoundRectangle: return RoundRectangle;
    case Cmd::ToolEllipse: return Ellipse;
    case Cmd::ToolHeart: return Heart;
    case Cmd::ToolStars: return Star;
    case Cmd::ToolShape26: return Shape26;
    case Cmd::ToolFreehandShape:
    case Cmd::ToolClosedFreehand: return ClosedFreehand;
    case Cmd::ToolOpenFreehand: return OpenFreehand;
    case Cmd::ToolPolyline: return Polyline;
    default: return None;
    }
}

bool CollectsVertices(int tool)
{
    return tool == OpenFreehand || tool == ClosedFreehand || tool == Polyline;
}

bool IsFreehand(int tool)
{
    return tool == OpenFreehand || tool == ClosedFreehand;
}

int ClampedStarPoints(int points)
{
    return std::clamp(points, kFewestStarPoints, kMostStarPoints);
}

std::unique_ptr<PageObject> MakeShape(int tool, const QPoint& from, const QPoint& to,
                                          const DrawingStyle& style)
{
    auto shape = std::make_unique<ShapeObject>(CanvasGeometry::SpannedRect(from, to), tool,
                                               style.lineWidth, style.lineStyle,
                                               style.lineColor, style.fillColor);
    if (tool == Star)
        shape->m_nStarPoints = ClampedStarPoints(style.starPoints);
    return shape;
}

std::unique_ptr<PageObject> MakeCurve(int tool, const QList<QPoint>& points,
                                          const DrawingStyle& style)
{
    if (points.size() < 2)
        return nullptr;
    return std::make_unique<CurveObject>(Thinned(points, CurveObject::kMaxDrawnVertices), tool,
                                          style.lineWidth, style.lineStyle, style.lineColor);
}

std::unique_ptr<PageObject> MakeFromGesture(int tool, const QPoint& start, const QPoint& end,
                                            VertexBuffer& vertices, const DrawingStyle& style)
{
    switch (tool) {
    case Line: return end != start ? MakeCurve(tool, {start, end}, style) : nullptr;
    case ClosedFreehand:
        vertices.Add(end);
        vertices.Close();
        return MakeCurve(tool, vertices.Points(), style);
    case OpenFreehand:
        vertices.Add(end);
        return MakeCurve(tool, vertices.Points(), style);
    default:
        // A click without a drag would make a shape nobody can see or grab.
        if (CanvasGeometry::SpannedRect(start, end).IsEmpty())
            return nullptr;
        return MakeShape(tool, start, end, style);
    }
}

} // namespace DrawingTool

void VertexBuffer::Add(const QPoint& point)
{
    if (m_points.size() < kCapacity)
        m_points.append(point);
    else
        m_points.back() = point;
}

void VertexBuffer::Close()
{
    if (!m_points.isEmpty())
        Add(m_points.front());
}
