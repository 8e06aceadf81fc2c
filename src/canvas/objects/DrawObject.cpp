#include "canvas/objects/DrawObject.h"

#include "canvas/objects/BlurredShadow.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/Rotation.h"
#include "canvas/objects/ShapeOutlines.h"

#include <QPainter>
#include <QPainterPathStroker>

CDrawObject::CDrawObject() : CDiagramObject(ObjectType::Shape, ObjectIdentity::New(u'D')) {}

CDrawObject::CDrawObject(const CPageRect& rect, int shape, int lineWidth, int lineStyle,
                         ColorRef line, ColorRef fill)
    : CDrawObject()
{
    m_rect = rect;
    m_nShape = shape;
    m_nLineWidth = lineWidth;
    m_nLineStyle = lineStyle;
    m_crLine = line;
    m_crFill = fill;
}

std::unique_ptr<CDiagramObject> CDrawObject::Clone() const
{
    return std::make_unique<CDrawObject>(*this);
}

void CDrawObject::Draw(QPainter& painter, const CDrawContext& context)
{
    m_rectDrawn = m_rect;
    DrawContent(painter, context);
    DrawSelectionFrameIfShown(painter, context);
}

bool CDrawObject::HasFill() const
{
    return m_nFillType == FillType::Texture || m_nFillType == FillType::Gradient ||
           m_nFillType == FillType::PathGradient || m_bFill;
}

QBrush CDrawObject::FillBrush()
{
    if (m_nFillType == FillType::Texture)
        return TextureBrush();
    if (m_nFillType == FillType::Gradient || m_nFillType == FillType::PathGradient) {
        const double growX = m_nShadowDX + 5.0, growY = m_nShadowDY + 5.0;
        const QRectF area = m_rect.ToRectF().adjusted(-growX, -growY, growX, growY);
        return QBrush(MakeLinearGradient({area, ShapeGradientDirection(m_nGradientStyle),
                                          ToQColor(m_crFill2), ToQColor(m_crFill, m_nFillAlpha),
                                          ShapeGradientBlend(m_nGradientStyle), true}));
    }
    if (m_bFill)
        return QBrush(ToQColor(m_crFill, m_nFillAlpha));
    return QBrush();
}

void CDrawObject::PaintShadow(QPainter& painter, const QPainterPath& figure, bool filled) const
{
    if (m_nShadowType == ShadowType::None)
        return;
    // An unfilled figure casts the shadow of its outline only.
    QPainterPath mask = figure;
    if (!filled) {
        QPainterPathStroker stroker(OutlinePen(m_crLine, std::max(1, m_nLineWidth), 0));
        mask = stroker.createStroke(figure);
    }
    const QColor color = ToQColor(m_crShadow, m_nShadowAlpha);
    if (m_nShadowType == ShadowType::Soft) {
        PaintBlurredShadow(painter, SoftShadow(mask, color, m_nShadowDX, m_nShadowDY));
        return;
    }
    if (m_nShadowType == ShadowType::Glow) {
        PaintBlurredShadow(painter, GlowShadow(mask, color, m_nShadowDX, m_nShadowDY));
        return;
    }
    if (m_nShadowType != ShadowType::Hard || m_nShadowDir == 0)
        return;
    const double dx = m_nShadowDX, dy = m_nShadowDY;
    QTransform placement;
    switch (m_nShadowDir) {
    case 1: placement.translate(-dx, -dy); break;
    case 2: placement.translate(dx, dy); break;
    case 3: placement.translate(dx, -dy); break;
    case 4: placement.translate(-dx, dy); break;
    case 5: {
        // Grown about the centre so it shows dx and dy beyond every side.
        const QRectF r = m_rect.ToRectF();
        if (r.width() <= 0 || r.height() <= 0)
            return;
        const QPointF c = r.center();
        placement.translate(c.x(), c.y());
        placement.scale((r.width() + 2 * dx) / r.width(), (r.height() + 2 * dy) / r.height());
        placement.translate(-c.x(), -c.y());
        break;
    }
    default:
        return;
    }
    painter.fillPath(placement.map(mask), color);
}

QPainterPath CDrawObject::PlacedFigure() const
{
    return RotationAbout(m_rect.Center(), m_nAngle)
        .map(ShapeOutline::Build(m_nShape, m_rect, m_nStarPoints));
}

void CDrawObject::DrawContent(QPainter& painter, const CDrawContext&)
{
    const QPainterPath figure = ShapeOutline::Build(m_nShape, m_rect, m_nStarPoints);
    if (figure.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Turned about the rectangle being drawn; the same as m_rectDrawn after Draw, and
    // right too when a sample is painted through DrawContent alone.
    painter.setTransform(RotationAbout(m_rect.Center(), m_nAngle), true);

    QBrush brush = FillBrush();
    // The pin's head is always solid: without a fill it takes the line colour.
    if (m_nShape == ShapeOutline::LineWithDot && brush.style() == Qt::NoBrush)
        brush = QBrush(ToQColor(m_crLine));
    const bool filled = brush.style() != Qt::NoBrush || HasFill();
    PaintShadow(painter, figure, filled);
    if (brush.style() != Qt::NoBrush)
        painter.fillPath(figure, brush);
    if (!m_bNoLine && m_nLineWidth > 0)
        painter.strokePath(figure, OutlinePen(m_crLine, m_nLineWidth, m_nLineStyle));
    painter.restore();
}

bool CDrawObject::HitTest(const QPointF& pagePoint) const
{
    return PlacedFigure().contains(pagePoint);
}
