#pragma once

#include "canvas/objects/KeptPixels.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The art family of text styles: thirteen looks, each a warp of the letters, a fill,
// outlines and a shadow, stretched to fill the object's rectangle.
namespace TextArt {

constexpr int kFirstVariant = 14;
constexpr int kLastVariant = 26;

bool IsVariant(int variant);
// The palette's name for a variant.
QString VariantName(int variant);

// Paints `text` in the look of `variant`; `angle` turns it about the rectangle's centre.
// With `shadowLayer`, a blurred shadow is kept there between paints.
void Paint(QPainter& painter, const QString& text, const QFont& font, const QRectF& rect,
           int variant, int angle, KeptLayer* shadowLayer = nullptr);

} // namespace TextArt
