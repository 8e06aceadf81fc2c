#include "canvas/objects/ShapeObject.h"

#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/Rotation.h"
#include "canvas/objects/ShapeOutlines.h"

#include <QPainter>

ShapeObject::ShapeObject() : PageObject(ObjectType::Shape, ObjectIdentity::New(u'D')) {}

ShapeObject::ShapeObject(const PageRect& rect, int shape, int lineWidth, int lineStyle,
                         ColorRef line, ColorRef fill)
    : ShapeObject()
{
    m_rect = rect;
    m_nShape = shape;
    m_nLineWidth = lineWidth;
    m_nLineStyle = lineStyle;
    m_crLine = line;
    m_crFill = fill;
}

std::unique_ptr<PageObject> ShapeObject::Clone() const
{
    return std::make_unique<ShapeObject>(*this);
}

void ShapeObject::Draw(QPainter& painter, const DrawContext& context)
{
    m_rectDrawn = m_rect;
    DrawContent(painter, context);
    DrawSelectionFrameIfShown(painter, context);
}

QPainterPath ShapeObject::PlacedFigure() const
{
    return RotationAbout(m_rect.Center(), m_nAngle)
        .map(ShapeOutline::Build(m_nShape, m_rect, m_nStarPoints));
}

void ShapeObject::DrawContent(QPainter& painter, const DrawContext&)
{
    const QPainterPath figure = ShapeOutline::Build(m_nShape, m_rect, m_nStarPoints);
    if (figure.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Turned about the rectangle being drawn; the same as m_rectDrawn after Draw, and
    // right too when a sample is painted through DrawContent alone.
    painter.setTransform(RotationAbout(m_rect.Center(), m_nAngle), true);

    QBrush brush = ShapeFillBrush(m_crFill, TextureBrush());
    // The pin's head is always solid: without a fill it takes the line colour.
    if (m_nShape == ShapeOutline::LineWithDot && brush.style() == Qt::NoBrush)
        brush = QBrush(ToQColor(m_crLine));
    const bool filled = brush.style() != Qt::NoBrush || HasShapeFill();
    PaintShapeShadow(painter, figure, filled);
    if (brush.style() != Qt::NoBrush)
        painter.fillPath(figure, brush);
    if (!m_bNoLine && m_nLineWidth > 0)
        painter.strokePath(figure, OutlinePen(m_crLine, m_nLineWidth, m_nLineStyle));
    painter.restore();
}

bool ShapeObject::HitTest(const QPointF& pagePoint) const
{
    return PlacedFigure().contains(pagePoint);
}
