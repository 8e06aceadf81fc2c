#include "canvas/objects/photo/PhotoPainting.h"

#include "canvas/objects/FillStyles.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/Rotation.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace PhotoPainting {
namespace {

bool ShowsShadow(const PhotoObject& photo)
{
    return photo.m_nShadowType != 0 && photo.m_bPhotoShadow;
}

bool ShowsBorder(const PhotoObject& photo)
{
    return photo.m_nLineWidth > 0 && photo.m_nBorder != 0;
}

// The frame shape the picture is drawn in: png pictures and turned metafiles take the
// plain way whatever the stored shape.
int ShapeDrawn(const PhotoObject& photo)
{
    if (photo.m_bPng || photo.m_bAltDraw)
        return PhotoObject::kInRectangle;
    if (photo.m_nFrameShape == PhotoObject::kInEllipse ||
        photo.m_nFrameShape == PhotoObject::kInRoundRectangle)
        return photo.m_nFrameShape;
    return PhotoObject::kInRectangle;
}

// Quarter turns are made by turning the picture itself; the drawing turns only for other
// angles, or for a metafile, which cannot be turned itself.
double AngleDrawn(const PhotoObject& photo)
{
    if (photo.m_bAltDraw || photo.m_nAngle % 90 != 0)
        return photo.m_nAngle;
    return 0.0;
}

QTransform Turn(const PhotoObject& photo)
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

// Strokes along the moved outline from width 2 × size down to 2, each a step more opaque.
void StrokeShadow(QPainter& painter, const QPainterPath& moved, const PhotoObject& photo, int size)
{
    int drawn = 0;
    for (int i = size; i >= 1; --i, ++drawn) {
        // Darker towards the outline; the darkest strokes stay at full opacity.
        const int alpha = std::min(255, photo.m_nShadowAlpha + drawn);
        QPen pen(ToQColor(photo.m_crShadow, alpha), 2.0 * i);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(moved, pen);
    }
}

// Smooth sampling reads a pixel beyond each one it lands on.
constexpr int kSamplingMargin = 2;

// A shadow layer larger than this is stroked afresh each time rather than kept: at high
// zoom stroking only the part in the clip costs less than filling the whole layer.
constexpr double kMaxLayerPixels = 1024.0 * 1024.0;

// Whether nothing of `rect` (in the painter's current coordinates) can show.
bool OutsideClip(const QPainter& painter, const QRectF& rect)
{
    return painter.hasClipping() && !rect.intersects(painter.clipBoundingRect());
}

bool KeepsScreenPixels(const DrawContext& context)
{
    return context.device == DrawContext::Device::Screen && !context.exporting;
}

// The device pixels a rectangle of `size` covers: each side stretched by the length its
// unit vector is mapped to, which turning leaves alone.
QSizeF DeviceSize(const QTransform& toDevice, const QSizeF& size)
{
    return {std::abs(size.width()) * std::hypot(toDevice.m11(), toDevice.m12()),
            std::abs(size.height()) * std::hypot(toDevice.m21(), toDevice.m22())};
}

// What the screen draws of the photo: the scaled copy when the picture shrinks much,
// else the picture itself.
QImage OnScreen(const QPainter& painter, const PhotoObject& photo, const QRectF& target)
{
    const QImage& shown = photo.ShownImage();
    const QTransform toDevice = painter.deviceTransform();
    if (!toDevice.isAffine())
        return shown;
    const QSizeF device = DeviceSize(toDevice, target.size());
    if (!(device.width() <= shown.width() * kScaledCopyBelow &&
          device.height() <= shown.height() * kScaledCopyBelow))
        return shown;
    const QSize size(std::max(1, int(std::lround(device.width()))),
                     std::max(1, int(std::lround(device.height()))));
    const QImage scaled = photo.ScreenPicture(size);
    return scaled.isNull() ? shown : scaled;
}

} // namespace

void DrawVisiblePart(QPainter& painter, const QRectF& target, const QImage& image)
{
    if (!painter.hasClipping() || target.width() <= 0 || target.height() <= 0) {
        painter.drawImage(target, image);
        return;
    }
    const QRectF visible = target & painter.clipBoundingRect();
    if (visible.isEmpty())
        return;
    const double perUnitX = image.width() / target.width();
    const double perUnitY = image.height() / target.height();
    const QRectF source((visible.left() - target.left()) * perUnitX,
                        (visible.top() - target.top()) * perUnitY, visible.width() * perUnitX,
                        visible.height() * perUnitY);
    const QRect pixels = source.toAlignedRect()
                             .adjusted(-kSamplingMargin, -kSamplingMargin, kSamplingMargin,
                                       kSamplingMargin)
                             .intersected(image.rect());
    if (pixels == image.rect()) {
        painter.drawImage(target, image);
        return;
    }
    const QRectF part(target.left() + pixels.left() / perUnitX,
                      target.top() + pixels.top() / perUnitY, pixels.width() / perUnitX,
                      pixels.height() / perUnitY);
    painter.drawImage(part, image, pixels);
}

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

QPainterPath Outline(const PhotoObject& photo)
{
    const QRectF rect = photo.m_rect.ToRectF();
    QPainterPath outline;
    switch (ShapeDrawn(photo)) {
    case PhotoObject::kInEllipse: outline.addEllipse(rect); break;
    case PhotoObject::kInRoundRectangle: outline = RoundRectangleOutline(rect); break;
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

void PaintShadow(QPainter& painter, const QPainterPath& outline, const PhotoObject& photo,
                 KeptLayer* kept)
{
    const int size = std::min(photo.m_nPhotoShadowSize, kMaxShadowStrokes);
    if (size <= 0)
        return;
    const QPainterPath moved = outline.translated(ShadowOffset(photo.m_nPhotoShadowDir, size));
    if (!kept) {
        StrokeShadow(painter, moved, photo, size);
        return;
    }
    const QTransform toLayer = painter.transform();
    const QPainterPath placed = toLayer.map(moved);
    // The widest stroke reaches `size` units beyond the outline, antialiasing a pixel more.
    const double unit = std::max(std::hypot(toLayer.m11(), toLayer.m12()),
                                 std::hypot(toLayer.m21(), toLayer.m22()));
    const double reach = size * unit + 2.0;
    const QRect area = placed.boundingRect().adjusted(-reach, -reach, reach, reach).toAlignedRect();
    if (OutsideClip(painter, toLayer.inverted().mapRect(QRectF(area))))
        return;
    if (area.isEmpty() || double(area.width()) * area.height() > kMaxLayerPixels) {
        StrokeShadow(painter, moved, photo, size);
        return;
    }
    const QImage layer = kept->For(
        {placed.translated(-area.topLeft()),
         {toLayer.m11(), toLayer.m12(), toLayer.m21(), toLayer.m22(), double(size),
          double(photo.m_nShadowAlpha), double(photo.m_crShadow)}},
        [&] {
            QImage pixels(area.size(), QImage::Format_ARGB32_Premultiplied);
            if (pixels.isNull())
                return pixels;
            pixels.fill(Qt::transparent);
            QPainter layerPainter(&pixels);
            layerPainter.setRenderHint(QPainter::Antialiasing);
            layerPainter.setTransform(toLayer * QTransform::fromTranslate(-area.left(), -area.top()));
            StrokeShadow(layerPainter, moved, photo, size);
            return pixels;
        });
    if (layer.isNull()) {
        StrokeShadow(painter, moved, photo, size);
        return;
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(area.topLeft(), layer);
    painter.restore();
}

void PaintPhoto(QPainter& painter, const PhotoObject& photo, const DrawContext& context)
{
    const QImage& picture = photo.ShownImage();
    if (picture.isNull())
        return;
    const int shape = ShapeDrawn(photo);
    const QPainterPath outline = Outline(photo);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool onScreen = KeepsScreenPixels(context);
    if (ShowsShadow(photo))
        PaintShadow(painter, outline, photo, onScreen ? &photo.ShadowLayer() : nullptr);

    painter.save();
    if (shape != PhotoObject::kInRectangle)
        painter.setClipPath(outline, Qt::IntersectClip);
    painter.setTransform(Turn(photo), true);
    const QRectF target = photo.m_rect.ToRectF();
    if (!onScreen)
        painter.drawImage(target, picture);
    else if (!OutsideClip(painter, target))
        DrawVisiblePart(painter, target, OnScreen(painter, photo, target));
    painter.restore();

    if (ShowsBorder(photo)) {
        // The plain way draws any border kind but 1 as a hairline.
        const bool hairline = shape == PhotoObject::kInRectangle && photo.m_nBorder != 1;
        QPen pen(ToQColor(photo.m_crLine), hairline ? 1 : photo.m_nLineWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.strokePath(outline, pen);
    }
    painter.restore();
}

void PaintPlaceholder(QPainter& painter, const PhotoObject& photo)
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
