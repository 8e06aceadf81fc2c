#pragma once

#include <QPainterPath>
#include <QRectF>

class CImageObject;
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
QPainterPath Outline(const CImageObject& photo);

// The photo shadow: the outline moved by 0.35 × size towards its direction, stroked
// `size` times from width 2 × size down to 2, one step more opaque each time.
void PaintShadow(QPainter& painter, const QPainterPath& outline, const CImageObject& photo);

// The photo without its selection frame.
void PaintPhoto(QPainter& painter, const CImageObject& photo);

// A photo without a picture: its rectangle with its name inside, turned with it.
void PaintPlaceholder(QPainter& painter, const CImageObject& photo);

} // namespace PhotoPainting
