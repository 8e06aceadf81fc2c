#pragma once

#include "canvas/objects/KeptPixels.h"

#include <QPainterPath>
#include <QRectF>

class PhotoObject;
struct DrawContext;
class QImage;
class QPainter;

// How a photo paints itself: its outline (rectangle, round rectangle or ellipse, turned
// with the photo), the shadow strokes along it, the picture and the border.
namespace PhotoPainting {

// Strokes drawn for a photo shadow at most; a damaged document may ask for billions.
constexpr int kMaxShadowStrokes = 200;

// The rounded rectangle of the "In Round Rectangle" shape: four quarter arcs with square
// boxes a tenth of the shorter side (whole units), clockwise from the top-left arc.
QPainterPath RoundRectangleOutline(const QRectF& rect);

// The outline the photo is clipped to, shadowed along and bordered along, turned.
QPainterPath Outline(const PhotoObject& photo);

// The photo shadow: the outline moved by 0.35 × size towards its direction, stroked
// `size` times from width 2 × size down to 2, one step more opaque each time.
// With `kept`, the strokes are taken from there while the outline only moves by whole
// pixels, and kept there when they have to be drawn.
void PaintShadow(QPainter& painter, const QPainterPath& outline, const PhotoObject& photo,
                 KeptLayer* kept = nullptr);

// A picture shown at most this part of its pixel size on either side is drawn on
// screen from a copy scaled once to its device size.
constexpr double kScaledCopyBelow = 0.75;

// The photo without its selection frame. Files and printers get every pixel of the
// picture; the screen gets the photo's scaled copy where the picture shrinks much, and
// its kept shadow.
void PaintPhoto(QPainter& painter, const PhotoObject& photo, const DrawContext& context);

// Draws `image` over `target` as QPainter::drawImage does, reading only the pixels that
// land inside the painter's clip: a picture drawn many times its size is otherwise
// sampled all over for the little of it that shows.
void DrawVisiblePart(QPainter& painter, const QRectF& target, const QImage& image);

// A photo without a picture: its rectangle with its name inside, turned with it.
void PaintPlaceholder(QPainter& painter, const PhotoObject& photo);

} // namespace PhotoPainting
