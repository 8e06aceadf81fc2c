#pragma once

#include <QImage>

namespace PhotoPixels {

// The picture turned clockwise by `degrees` about its centre onto a 32-bit picture just
// large enough to hold it, transparent around the turned picture. Multiples of 90
// turn exactly, pixel for pixel; other angles are resampled smoothly.
QImage RotatedToAngle(const QImage& picture, int degrees);

} // namespace PhotoPixels
