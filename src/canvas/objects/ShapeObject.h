#pragma once

#include "canvas/objects/PageObject.h"

#include <QPainterPath>

// A drawn shape: rectangle, ellipse, star, heart and the other figures, filled and
// outlined by the common style.
class ShapeObject : public PageObject
{
public:
    ShapeObject();
    ShapeObject(const PageRect& rect, int shape, int lineWidth, int lineStyle, ColorRef line,
                ColorRef fill);
    ShapeObject(const ShapeObject& other) = default;

    std::unique_ptr<PageObject> Clone() const override;
    void Draw(QPainter& painter, const DrawContext& context) override;
    void DrawContent(QPainter& painter, const DrawContext& context) override;
    bool HitTest(const QPointF& pagePoint) const override;

    // The figure in page units, turned by the object's angle.
    QPainterPath PlacedFigure() const;

    int m_nShape = 0;
    PageRect m_rectDrawn;
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
