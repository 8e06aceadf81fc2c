#pragma once

#include "canvas/objects/PageObject.h"

#include <QList>
#include <QPainterPath>
#include <QPoint>

namespace CurveKind {
constexpr int Line = 1;
constexpr int Spline = 5;
constexpr int OpenFreehand = 27;
constexpr int ClosedFreehand = 28;
constexpr int Polygon = 29;
constexpr int ThinLine = 50;
constexpr int OpenPolyline = 129;
constexpr int ClosedSpline = 130;
constexpr int OpenBezier = 131;
constexpr int ClosedBezier = 132;
} // namespace CurveKind

// Lines, freehand strokes, polylines, smooth curves and Bézier outlines: figures made
// of vertices held relative to the top-left corner of the rectangle.
class CurveObject : public PageObject
{
public:
    static constexpr int kMaxVertices = 1000;   // slots of a stored record
    static constexpr int kMaxDrawnVertices = 999;

    CurveObject();
    // Vertices in page units; the rectangle becomes their bounding box.
    CurveObject(const QList<QPoint>& pagePoints, int kind, int lineWidth, int lineStyle,
                 ColorRef line);
    CurveObject(const CurveObject& other) = default;

    std::unique_ptr<PageObject> Clone() const override;
    void Draw(QPainter& painter, const DrawContext& context) override;
    void DrawContent(QPainter& painter, const DrawContext& context) override;
    bool HitTest(const QPointF& pagePoint) const override;

    int PointCount() const { return int(m_vertices.size()); }
    bool IsClosedKind() const;
    // Whether the figure is painted filled rather than as its outline alone.
    bool PaintsFilled() const;

    int m_nCurveKind = CurveKind::OpenFreehand;
    // Mirror the figure within its rectangle: left to right, and top to bottom.
    int m_bCurveFlipH = 0;
    int m_bCurveFlipV = 0;
    int m_nCurveOption = 0;
    int m_nHatchStyle = 1;
    QList<QPoint> m_vertices; // relative to m_rect's top-left corner

private:
    // Maps the rectangle's own coordinates, turned by the angle, onto the page.
    QTransform LocalToPage() const;
    QList<QPointF> DrawnVertices() const;
    // The figure in the rectangle's own coordinates, as it is filled.
    QPainterPath FilledFigure();
    QPainterPath OutlineFigure() const;
    QBrush FillBrush();
    void PaintShadow(QPainter& painter);
};
