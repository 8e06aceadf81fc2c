#pragma once

#include <QImage>
#include <cstdint>

// Rules that work through the alpha byte. Each takes a 24- or 32-bit bitmap and gives
// back a 32-bit one, or a null image (nothing to do) for other depths.
namespace PhotoPixels {

// Every pixel's alpha becomes `opacity`.
QImage WithOpacity(const QImage& bitmap, std::uint8_t opacity);

// Outside the ellipse inscribed in the picture every byte is 0; inside, alpha falls from
// 255 at the centre to 51 at R, the larger half side, with the distance d from the
// centre: the integer part of (1 − 0.8 d / R) × 255.
QImage CircleFaded(const QImage& bitmap);

// The k = min(w, h) / 8 outermost rings of pixels take alpha i × 255 / k (ring 0 the
// outermost); the inside keeps its alpha.
QImage Bevelled(const QImage& bitmap);

} // namespace PhotoPixels
