#include "canvas/objects/photo/RotateAnyAngle.h"

#include "canvas/objects/photo/QuarterTurns.h"

#include <QPainter>
#include <QTransform>

namespace PhotoPixels {

QImage RotatedToAngle(const QImage& picture, int degrees)
{
    if (picture.isNull())
        return {};
    const int turn = ((degrees % 360) + 360) % 360;
    const QImage withAlpha = picture.convertToFormat(QImage::Format_ARGB32);
    switch (turn) {
    case 0: return withAlpha;
    case 90: return TurnedRight(withAlpha);
    case 180: return Flipped(Mirrored(withAlpha));
    case 270: return TurnedLeft(withAlpha);
    default: break;
    }
    QTransform rotation;
    rotation.rotate(turn);
    const QRect bounds = rotation.mapRect(QRectF(picture.rect())).toAlignedRect();
    QImage result(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return {};
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(result.width() / 2.0, result.height() / 2.0);
        painter.rotate(turn);
        painter.drawImage(QPointF(-picture.width() / 2.0, -picture.height() / 2.0), withAlpha);
    }
    return result.convertToFormat(QImage::Format_ARGB32);
}

} // namespace PhotoPixels
