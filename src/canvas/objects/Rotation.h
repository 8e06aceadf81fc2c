#pragma once

#include <QPointF>
#include <QTransform>

// A turn of `degrees` (clockwise on the page) about `centre`; identity for 0.
inline QTransform RotationAbout(const QPointF& centre, double degrees)
{
    QTransform rotation;
    if (degrees != 0) {
        rotation.translate(centre.x(), centre.y());
        rotation.rotate(degrees);
        rotation.translate(-centre.x(), -centre.y());
    }
    return rotation;
}
