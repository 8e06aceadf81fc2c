#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Picture frames painted into the edge of a photo: sixteen materials, each a colour pair
// and a pattern.
namespace PhotoFrames {

constexpr int kMaterialCount = 16;

// The material's name for the frame dialog, or empty outside 0..15.
QString MaterialName(int material);

// How wide the frame of a picture of this size is: a twelfth of the shorter side, at
// least two pixels.
int BandWidth(QSize picture);

// Paints the frame over the outer band of a 24- or 32-bit bitmap (the band becomes
// opaque); false, and nothing painted, for other depths or an unknown material.
bool PaintFrame(QImage& bitmap, int material);

// A framed white card of the given size, for the frame dialog's buttons.
QImage Sample(int material, QSize size);

} // namespace PhotoFrames
