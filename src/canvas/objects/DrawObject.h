#pragma once

#include "canvas/objects/DiagramObject.h"

#include <QPainterPath>

// A drawn shape: rectangle, ellipse, star, heart and the other figures, filled and
// outlined by the common style.
class CDrawObject : public CDiagramObject
{
public:
    CDrawObject();
    CDrawObject(const CPageRect& rect, int shape, int lineWidth, int lineStyle, ColorRef line,
                ColorRef fill);
    CDrawObject(const CDrawObject& other) = default;

    std::unique_ptr<CDiagramObject> Clone() const override;
    void Draw(QPainter& painter, const CDrawContext& context) override;
    void DrawContent(QPainter& painter, const CDrawContext& context) override;
    bool HitTest(const QPointF& pagePoint) const override;

    // The figure in page units, turned by the object's angle.
    QPainterPath PlacedFigure() const;

    int m_nShape = 0;
    CPageRect m_rectDrawn;
    int m_nStarPoints = 3;
    // Carried with the shape and stored; no drawing depends on them.
    int m_nShapeValueA = 0;
    int m_nShapeValueB = 0;
    int m_nShapeValueC = 1;
    int m_nShapeValueD = 1;
    int m_nShapeValueE = 0;
    int m_nShapeValueF = 15;
    int m_nShapeValueG = -20;
    double m_dShapeScaleX = 1.0;
    double m_dShapeScaleY = 1.0;
};
