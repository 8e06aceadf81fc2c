#pragma once

#include <QImage>

// Turning and mirroring a picture without changing its format or palette.
namespace PhotoPixels {

// A quarter turn counter-clockwise (left) or clockwise (right).
QImage TurnedLeft(const QImage& picture);
QImage TurnedRight(const QImage& picture);
// Left to right.
QImage Mirrored(const QImage& picture);
// Top to bottom.
QImage Flipped(const QImage& picture);

} // namespace PhotoPixels
