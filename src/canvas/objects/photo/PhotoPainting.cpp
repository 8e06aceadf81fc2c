#include "canvas/objects/photo/PhotoPainting.h"

#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ImageObject.h"
#include "canvas/objects/Rotation.h"

#include <QPainter>
#include <algorithm>

namespace PhotoPainting {
namespace {

bool ShowsShadow(const CImageObject& photo)
{
    return photo.m_nShadowType != 0 && photo.m_bPhotoShadow;
}

bool ShowsBorder(const CImageObject& photo)
{
    return photo.m_nLineWidth > 0 && photo.m_nBorder != 0;
}

// The frame shape the picture is drawn in: png pictures and turned metafiles take the
// plain way whatever the stored shape.
int ShapeDrawn(const CImageObject& photo)
{
    if (photo.m_bPng || photo.m_bAltDraw)
        return CImageObject::kInRectangle;
    if (photo.m_nFrameShape == CImageObject::kInEllipse ||
        photo.m_nFrameShape == CImageObject::kInRoundRectangle)
        return photo.m_nFrameShape;
    return CImageObject::kInRectangle;
}

// Quarter turns are made by turning the picture itself; the drawing turns only for other
// angles, or for a metafile, which cannot be turned itself.
double AngleDrawn(const CImageObject& photo)
{
    if (photo.m_bAltDraw || photo.m_nAngle % 90 != 0)
        return photo.m_nAngle;
    return 0.0;
}

QTransform Turn(const CImageObject& photo)
{
    return RotationAbout(photo.m_rect.Center(), AngleDrawn(photo));
}

QPointF ShadowOffset(int direction, int size)
{
    const double o = int(size * 0.35);
    switch (direction) {
    case 1: return {-o, o};
    case 2: return {-o, -o};
    case 3: return {o, -o};
    case 4: return {0, 0};
    default: return {o, o};
    }
}

} // namespace

QPainterPath RoundRectangleOutline(const QRectF& rect)
{
    const double side = int(std::min(rect.width(), rect.height()) / 10);
    const double right = rect.right() - side, bottom = rect.bottom() - side;
    QPainterPath path;
    // Qt counts angles counter-clockwise, so each clockwise quarter sweeps -90.
    path.arcMoveTo(QRectF(rect.left(), rect.top(), side, side), 180);
    path.arcTo(QRectF(rect.left(), rect.top(), side, side), 180, -90);
    path.arcTo(QRectF(right, rect.top(), side, side), 90, -90);
    path.arcTo(QRectF(right, bottom, side, side), 0, -90);
    path.arcTo(QRectF(rect.left(), bottom, side, side), 270, -90);
    path.closeSubpath();
    return path;
}

QPainterPath Outline(const CImageObject& photo)
{
    const QRectF rect = photo.m_rect.ToRectF();
    QPainterPath outline;
    switch (ShapeDrawn(photo)) {
    case CImageObject::kInEllipse: outline.addEllipse(rect); break;
    case CImageObject::kInRoundRectangle: outline = RoundRectangleOutline(rect); break;
    default: {
        // Grown so that the border and the shadow lie just outside the picture.
        const double grow =
            ShowsBorder(photo) || ShowsShadow(photo) ? photo.m_nLineWidth / 2.0 + 0.5 : 0.0;
        outline.addRect(rect.adjusted(-grow, -grow, grow, grow));
        break;
    }
    }
    return Turn(photo).map(outline);
}

void PaintShadow(QPainter& painter, const QPainterPath& outline, const CImageObject& photo)
{
    const int size = std::min(photo.m_nPhotoShadowSize, kMaxShadowStrokes);
    if (size <= 0)
        return;
    const QPainterPath moved = outline.translated(ShadowOffset(photo.m_nPhotoShadowDir, size));
    int drawn = 0;
    for (int i = size; i >= 1; --i, ++drawn) {
        // Darker towards the outline; the darkest strokes stay at full opacity.
        const int alpha = std::min(255, photo.m_nShadowAlpha + drawn);
        QPen pen(ToQColor(photo.m_crShadow, alpha), 2.0 * i);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(moved, pen);
    }
}

void PaintPhoto(QPainter& painter, const CImageObject& photo)
{
    const QImage& picture = photo.ShownImage();
    if (picture.isNull())
        return;
    const int shape = ShapeDrawn(photo);
    const QPainterPath outline = Outline(photo);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (ShowsShadow(photo))
        PaintShadow(painter, outline, photo);

    painter.save();
    if (shape != CImageObject::kInRectangle)
        painter.setClipPath(outline, Qt::IntersectClip);
    painter.setTransform(Turn(photo), true);
    painter.drawImage(photo.m_rect.ToRectF(), picture);
    painter.restore();

    if (ShowsBorder(photo)) {
        // The plain way draws any border kind but 1 as a hairline.
        const bool hairline = shape == CImageObject::kInRectangle && photo.m_nBorder != 1;
        QPen pen(ToQColor(photo.m_crLine), hairline ? 1 : photo.m_nLineWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.strokePath(outline, pen);
    }
    painter.restore();
}

void PaintPlaceholder(QPainter& painter, const CImageObject& photo)
{
    painter.save();
    // A turned metafile shows its turn even while it has no picture.
    painter.setTransform(Turn(photo), true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const QRectF box = photo.m_rect.ToRectF();
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, photo.m_strName);
    painter.restore();
}

} // namespace PhotoPainting
