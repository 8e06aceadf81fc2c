#pragma once

#include <QImage>

namespace PhotoPixels {

// Every byte becomes the average of its 3 × 3 neighbourhood weighted 8 for the centre and
// 1 for each neighbour; at the edges only neighbours inside the picture count and the
// sum is divided by their weights' total. 24 and 32 bits only (false otherwise).
bool Soften(QImage& bitmap);

} // namespace PhotoPixels
