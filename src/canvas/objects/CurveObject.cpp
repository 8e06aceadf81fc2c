#include "canvas/objects/CurveObject.h"

#include "canvas/objects/BlurredShadow.h"
#include "canvas/objects/CurvePaths.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/Rotation.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <algorithm>

namespace {

constexpr int kLineMargin = 5;
constexpr double kHitDistance = 3.0;

PageRect BoundingBox(const QList<QPoint>& points)
{
    if (points.isEmpty())
        return {};
    PageRect box{points.front().x(), points.front().y(), points.front().x(), points.front().y()};
    for (const QPoint& p : points) {
        box.left = std::min(box.left, p.x());
        box.top = std::min(box.top, p.y());
        box.right = std::max(box.right, p.x());
        box.bottom = std::max(box.bottom, p.y());
    }
    return box;
}

} // namespace

CurveObject::CurveObject() : PageObject(ObjectType::Curve, ObjectIdentity::New(u'C'))
{
    m_crFill = Rgb(255, 0, 0);
}

CurveObject::CurveObject(const QList<QPoint>& pagePoints, int kind, int lineWidth,
                           int lineStyle, ColorRef line)
    : PageObject(ObjectType::Curve, ObjectIdentity::New(u'S'))
{
    m_crFill = Rgb(255, 0, 0);
    m_nCurveKind = kind;
    m_nLineWidth = lineWidth;
    m_nLineStyle = lineStyle;
    m_crLine = line;
    m_vertices = pagePoints.mid(0, kMaxDrawnVertices);
    m_rect = BoundingBox(m_vertices);
    // A straight line gets room around it to be grabbed; a thin line only where thin.
    if (kind == CurveKind::Line || (kind == CurveKind::ThinLine && m_rect.Width() < 2)) {
        m_rect.left -= kLineMargin;
        m_rect.right += kLineMargin;
    }
    if (kind == CurveKind::Line || (kind == CurveKind::ThinLine && m_rect.Height() < 2)) {
        m_rect.top -= kLineMargin;
        m_rect.bottom += kLineMargin;
    }
    for (QPoint& p : m_vertices)
        p -= QPoint(m_rect.left, m_rect.top);
}

std::unique_ptr<PageObject> CurveObject::Clone() const
{
    return std::make_unique<CurveObject>(*this);
}

bool CurveObject::IsClosedKind() const
{
    switch (m_nCurveKind) {
    case CurveKind::ClosedFreehand: case CurveKind::Polygon: case CurveKind::OpenPolyline:
    case CurveKind::ClosedSpline: case CurveKind::OpenBezier: case CurveKind::ClosedBezier:
        return true;
    default:
        return false;
    }
}

bool CurveObject::PaintsFilled() const
{
    return IsClosedKind() && (m_nFillType == FillType::Gradient || m_bFill);
}

QList<QPointF> CurveObject::DrawnVertices() const
{
    QList<QPointF> points;
    points.reserve(m_vertices.size());
    const double w = m_rect.Width(), h = m_rect.Height();
    for (const QPoint& p : m_vertices)
        points.append(QPointF(m_bCurveFlipH ? w - p.x() : p.x(), m_bCurveFlipV ? h - p.y() : p.y()));
    return points;
}

QPainterPath CurveObject::FilledFigure()
{
    if (m_nCurveKind == CurveKind::OpenBezier || m_nCurveKind == CurveKind::ClosedBezier) {
        // The chain needs 1 + 3n vertices; the cut stays in the object.
        const int usable = CurvePaths::UsableBezierCount(PointCount());
        if (usable < PointCount())
            m_vertices.resize(usable);
    }
    const QList<QPointF> points = DrawnVertices();
    const bool closed = m_nCurveKind != CurveKind::OpenBezier && m_nCurveKind != CurveKind::OpenPolyline;
    switch (m_nCurveKind) {
    case CurveKind::OpenBezier:
    case CurveKind::ClosedBezier:
        return CurvePaths::BezierChain(points, closed);
    case CurveKind::ClosedSpline:
        return CurvePaths::CardinalSpline(points, true);
    default:
        return CurvePaths::Polyline(points, closed);
    }
}

QPainterPath CurveObject::OutlineFigure() const
{
    const QList<QPointF> points = DrawnVertices();
    switch (m_nCurveKind) {
    case CurveKind::Line: {
        // Missing slots read as the origin, as an unfinished line always has.
        const QPointF from = points.value(0), to = points.value(1);
        return CurvePaths::Polyline({from, to}, false);
    }
    case CurveKind::Spline:
        return CurvePaths::CardinalSpline(points, false);
    case CurveKind::ClosedFreehand: case CurveKind::Polygon: case CurveKind::ClosedSpline:
    case CurveKind::ClosedBezier:
        return CurvePaths::Polyline(points, true);
    default:
        return CurvePaths::Polyline(points, false);
    }
}

QBrush CurveObject::FillBrush()
{
    const QColor fill = ToQColor(m_crFill, m_nFillAlpha);
    const QColor line = ToQColor(m_crLine, m_nLineAlpha);
    const QRectF local(0, 0, m_rect.Width(), m_rect.Height());
    switch (m_nFillType) {
    case FillType::Gradient: {
        const QRectF area = m_nShadowDir != 0 ? local.adjusted(-5, -5, 0, 0) : local;
        const bool swapped = m_nGradientStyle == 2;
        std::optional<GradientBlend> blend;
        if (m_nGradientStyle == 3)
            blend = GradientBlend{1.0, 0.0, 1.0};
        else if (m_nGradientStyle == 4)
            blend = GradientBlend{0.0, 1.0, 0.0};
        return QBrush(MakeLinearGradient({area, GradientDirectionFromOption(m_nCurveOption),
                                          swapped ? fill : line, swapped ? line : fill, blend,
                                          true}));
    }
    case FillType::PathGradient: {
        // From the fill colour at the middle out to the line colour at the rim.
        QRadialGradient gradient(local.center(),
                                 std::max(1.0, std::hypot(local.width(), local.height()) / 2));
        gradient.setColorAt(0, fill);
        gradient.setColorAt(1, line);
        return QBrush(gradient);
    }
    case FillType::Texture:
        return TextureBrush();
    case FillType::Hatch:
        return QBrush(line, HatchPattern(m_nHatchStyle));
    default:
        return m_bFill ? QBrush(fill) : QBrush();
    }
}

QTransform CurveObject::LocalToPage() const
{
    // Vertices are relative to the top-left corner; the figure turns about the middle.
    const QPointF centre(m_rect.Width() / 2.0, m_rect.Height() / 2.0);
    return RotationAbout(centre, m_nAngle) * QTransform::fromTranslate(m_rect.left, m_rect.top);
}

void CurveObject::PaintShadow(QPainter& painter)
{
    if (!m_bFill || m_nShadowType == ShadowType::None)
        return;
    const QPainterPath figure = FilledFigure();
    const QColor color = ToQColor(m_crShadow, m_nShadowAlpha);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(LocalToPage(), true);
    if (m_nShadowType == ShadowType::Hard)
        painter.fillPath(figure.translated(m_nShadowDX, m_nShadowDY), color);
    else if (m_nShadowType == ShadowType::Soft)
        PaintBlurredShadow(painter, SoftShadow(figure, color, m_nShadowDX, m_nShadowDY),
                           &ShadowLayer());
    else if (m_nShadowType == ShadowType::Glow)
        PaintBlurredShadow(painter, GlowShadow(figure, color, m_nShadowDX, m_nShadowDY),
                           &ShadowLayer());
    painter.restore();
}

void CurveObject::Draw(QPainter& painter, const DrawContext& context)
{
    PaintShadow(painter);
    DrawContent(painter, context);
    DrawSelectionFrameIfShown(painter, context);
}

void CurveObject::DrawContent(QPainter& painter, const DrawContext&)
{
    // An open polyline is a stroke; with a fill set it shows nothing.
    if (m_nCurveKind == CurveKind::OpenPolyline && PaintsFilled())
        return;
    const QPen pen = OutlinePen(m_crLine, m_nLineWidth, m_nLineStyle);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(LocalToPage(), true);
    if (PaintsFilled()) {
        const QPainterPath figure = FilledFigure();
        const QBrush brush = FillBrush();
        if (m_nFillType == FillType::Hatch)
            painter.fillPath(figure, ToQColor(m_crFill, m_nFillAlpha));
        if (brush.style() != Qt::NoBrush)
            painter.fillPath(figure, brush);
        if (!m_bNoLine)
            painter.strokePath(figure, pen);
    } else if (!IsClosedKind() || !m_bNoLine) {
        painter.strokePath(OutlineFigure(), pen);
    }
    painter.restore();
}

bool CurveObject::HitTest(const QPointF& pagePoint) const
{
    const QPointF local = LocalToPage().inverted().map(pagePoint);
    const QPainterPath outline = OutlineFigure();
    if (IsClosedKind() && m_nCurveKind != CurveKind::OpenPolyline && outline.contains(local))
        return true;
    QPainterPathStroker near;
    near.setWidth(2 * kHitDistance);
    return near.createStroke(outline).contains(local);
}
