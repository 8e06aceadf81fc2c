#pragma once

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/editing/DrawingTools.h"

#include <memory>

class PageObject;
class QPainter;

// A figure being drawn with the armed tool, in page units: from the press to the release,
// or for the polyline from its first click to the double-click.
class DrawingGesture
{
public:
    int Tool() const { return m_tool; }
    bool IsArmed() const { return m_tool != DrawingTool::None; }
    void Arm(int tool) { m_tool = tool; }
    // No tool and nothing collected.
    void Disarm();
    DrawingStyle& Style() { return m_style; }
    const DrawingStyle& Style() const { return m_style; }

    void Press(const QPoint& page);
    // The mouse moved with the button held (`dragging`) or, for a polyline, without.
    // False when nothing on screen changes.
    bool MoveTo(const QPoint& page, bool dragging, bool buttonDown);
    // The figure made at the release; null for a click that spans nothing, and while a
    // polyline goes on (it ends with a double-click).
    std::unique_ptr<PageObject> Release(const QPoint& page);
    bool PolylineUnderWay() const;
    std::unique_ptr<PageObject> FinishPolyline();

    // The outline of the figure so far.
    void PaintFeedback(QPainter& painter, const CanvasGeometry::ViewMapping& mapping) const;

private:
    int m_tool = DrawingTool::None;
    DrawingStyle m_style;
    QPoint m_start;
    QPoint m_last;
    VertexBuffer m_vertices;
};
