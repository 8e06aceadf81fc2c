#include "canvas/editing/DrawingGesture.h"

#include "canvas/objects/PageObject.h"

#include <QPainter>

void DrawingGesture::Disarm()
{
    m_tool = DrawingTool::None;
    m_vertices.Clear();
}

void DrawingGesture::Press(const QPoint& page)
{
    m_start = m_last = page;
    if (DrawingTool::CollectsVertices(m_tool))
        m_vertices.Add(page);
}

bool DrawingGesture::MoveTo(const QPoint& page, bool dragging, bool buttonDown)
{
    if (!dragging && !PolylineUnderWay())
        return false;
    if (dragging && DrawingTool::IsFreehand(m_tool) && buttonDown)
        m_vertices.Add(page);
    m_last = page;
    return true;
}

std::unique_ptr<PageObject> DrawingGesture::Release(const QPoint& page)
{
    if (m_tool == DrawingTool::Polyline) {
        m_last = page;   // the vertex stays; a double-click ends the figure
        return nullptr;
    }
    return DrawingTool::MakeFromGesture(m_tool, m_start, page, m_vertices, m_style);
}

bool DrawingGesture::PolylineUnderWay() const
{
    return m_tool == DrawingTool::Polyline && m_vertices.Count() > 0;
}

std::unique_ptr<PageObject> DrawingGesture::FinishPolyline()
{
    m_vertices.Close();
    return DrawingTool::MakeCurve(m_tool, m_vertices.Points(), m_style);
}

void DrawingGesture::PaintFeedback(QPainter& painter,
                                   const CanvasGeometry::ViewMapping& mapping) const
{
    painter.save();
    painter.setTransform(mapping.PageToWindow());
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    const QRect spanned = QRect(m_start, m_last).normalized();
    switch (m_tool) {
    case DrawingTool::Line: painter.drawLine(m_start, m_last); break;
    case DrawingTool::Ellipse: painter.drawEllipse(spanned); break;
    case DrawingTool::OpenFreehand:
    case DrawingTool::ClosedFreehand:
        painter.drawPolyline(QPolygon(m_vertices.Points()));
        break;
    case DrawingTool::Polyline: {
        QPolygon points(m_vertices.Points());
        points.append(m_last);
        painter.drawPolyline(points);
        break;
    }
    default: painter.drawRect(spanned); break;
    }
    painter.restore();
}
