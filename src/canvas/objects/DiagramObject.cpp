#include "canvas/objects/DiagramObject.h"

#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/SelectionFrame.h"

CDiagramObject::CDiagramObject(int type, QString identity)
    : m_strID(std::move(identity)), m_nType(type)
{
}

CDiagramObject::CDiagramObject(const CDiagramObject& other)
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
      m_nShadowDY(other.m_nShadowDY)
{
    if (m_nFillType == FillType::Texture && !m_strTexture.isEmpty())
        m_texture.Reload(m_strTexture);
}

CDiagramObject::~CDiagramObject() = default;

void CDiagramObject::Draw(QPainter& painter, const CDrawContext& context)
{
    DrawContent(painter, context);
    DrawSelectionFrameIfShown(painter, context);
}

void CDiagramObject::DrawContent(QPainter&, const CDrawContext&) {}

bool CDiagramObject::HitTest(const QPointF& pagePoint) const
{
    return m_rect.ToRectF().contains(pagePoint);
}

const QImage* CDiagramObject::TexturePicture()
{
    if (m_nFillType != FillType::Texture) {
        m_texture.Release();
        return nullptr;
    }
    return m_texture.For(m_strTexture);
}

QBrush CDiagramObject::TextureBrush()
{
    const QImage* texture = TexturePicture();
    return texture ? QBrush(*texture) : QBrush();
}

void CDiagramObject::DrawSelectionFrameIfShown(QPainter& painter,
                                               const CDrawContext& context) const
{
    if (m_bSelected && context.ShowsSelectionFrames())
        DrawSelectionFrame(painter, m_rect,
                           FramesSelectionOutside() ? TrackerHandles::Outside
                                                    : TrackerHandles::Inside);
}
