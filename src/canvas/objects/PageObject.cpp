#include "canvas/objects/PageObject.h"

#include "canvas/objects/BlurredShadow.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/SelectionFrame.h"

#include <QPainter>
#include <QPainterPathStroker>

PageObject::PageObject(int type, QString identity)
    : m_strID(std::move(identity)), m_nType(type)
{
}

PageObject::PageObject(const PageObject& other)
    : m_rect(other.m_rect),
      m_strID(ObjectIdentity::New(other.m_strID.isEmpty() ? QChar(u'D') : other.m_strID.front())),
      m_nType(other.m_nType),
      m_bSelected(other.m_bSelected),
      m_strName(other.m_strName),
      m_bEdited(other.m_bEdited),
      m_bLocked(0),
      m_bNoLine(other.m_bNoLine),
      m_nFillType(other.m_nFillType),
      m_bFill(other.m_bFill),
      m_crFill2(other.m_crFill2),
      m_crFill(other.m_crFill),
      m_nFillAlpha(other.m_nFillAlpha),
      m_nPattern(other.m_nPattern),
      m_nGradientStyle(other.m_nGradientStyle),
      m_strTexture(other.m_strTexture),
      m_nLineStyle(other.m_nLineStyle),
      m_nLineWidth(other.m_nLineWidth),
      m_crLine(other.m_crLine),
      m_nLineAlpha(other.m_nLineAlpha),
      m_crShadow(other.m_crShadow),
      m_nShadowAlpha(other.m_nShadowAlpha),
      m_nShadowType(other.m_nShadowType),
      m_nShadowDir(other.m_nShadowDir),
      m_nAngle(other.m_nAngle),
      m_nShadowDX(other.m_nShadowDX),
      m_nShadowDY(other.m_nShadowDY),
      m_shadowLayer(other.m_shadowLayer)
{
    if (m_nFillType == FillType::Texture && !m_strTexture.isEmpty())
        m_texture.Reload(m_strTexture);
}

PageObject::~PageObject() = default;

void PageObject::Draw(QPainter& painter, const DrawContext& context)
{
    DrawContent(painter, context);
    DrawSelectionFrameIfShown(painter, context);
}

void PageObject::DrawContent(QPainter&, const DrawContext&) {}

bool PageObject::HitTest(const QPointF& pagePoint) const
{
    return m_rect.ToRectF().contains(pagePoint);
}

const QImage* PageObject::TexturePicture()
{
    if (m_nFillType != FillType::Texture) {
        m_texture.Release();
        return nullptr;
    }
    return m_texture.For(m_strTexture);
}

QBrush PageObject::TextureBrush()
{
    const QImage* texture = TexturePicture();
    return texture ? QBrush(*texture) : QBrush();
}

void PageObject::DrawSelectionFrameIfShown(QPainter& painter,
                                               const DrawContext& context) const
{
    if (m_bSelected && context.ShowsSelectionFrames())
        DrawSelectionFrame(painter, FrameRect(),
                           FramesSelectionOutside() ? TrackerHandles::Outside
                                                    : TrackerHandles::Inside);
}

PageRect PageObject::QuarterTurned(const PageRect& rect) const
{
    if (m_nAngle % 90 != 0 || m_nAngle % 180 == 0 || !PaintsQuarterTurns())
        return rect;
    // As a photo's rectangle turns; 64 bits so damaged edges cannot overflow.
    const std::int64_t cx = (std::int64_t(rect.left) + rect.right) / 2;
    const std::int64_t cy = (std::int64_t(rect.top) + rect.bottom) / 2;
    const std::int64_t hw = rect.Width() / 2, hh = rect.Height() / 2;
    return {std::int32_t(cx - hh), std::int32_t(cy - hw), std::int32_t(cx + hh),
            std::int32_t(cy + hw)};
}

bool PageObject::HasShapeFill() const
{
    return m_nFillType == FillType::Texture || m_nFillType == FillType::Gradient ||
           m_nFillType == FillType::PathGradient || m_bFill;
}

QBrush PageObject::ShapeFillBrush(ColorRef solid, const QBrush& texture) const
{
    if (m_nFillType == FillType::Texture)
        return texture;
    if (m_nFillType == FillType::Gradient || m_nFillType == FillType::PathGradient) {
        const double growX = m_nShadowDX + 5.0, growY = m_nShadowDY + 5.0;
        const QRectF area = m_rect.ToRectF().adjusted(-growX, -growY, growX, growY);
        return QBrush(MakeLinearGradient({area, ShapeGradientDirection(m_nGradientStyle),
                                          ToQColor(m_crFill2), ToQColor(solid, m_nFillAlpha),
                                          ShapeGradientBlend(m_nGradientStyle), true}));
    }
    if (m_bFill)
        return QBrush(ToQColor(solid, m_nFillAlpha));
    return QBrush();
}

void PageObject::PaintShapeShadow(QPainter& painter, const QPainterPath& figure, bool filled) const
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
        PaintBlurredShadow(painter, SoftShadow(mask, color, m_nShadowDX, m_nShadowDY),
                           &m_shadowLayer);
        return;
    }
    if (m_nShadowType == ShadowType::Glow) {
        PaintBlurredShadow(painter, GlowShadow(mask, color, m_nShadowDX, m_nShadowDY),
                           &m_shadowLayer);
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
