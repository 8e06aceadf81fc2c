#pragma once

#include "canvas/objects/PageObject.h"
#include "canvas/objects/WrnDocument.h"
#include "support/PixelProbes.h"

#include <QImage>
#include <QRect>
#include <functional>

// Paints an object on a white image of the given size, as a file export would.
QImage PaintObject(PageObject& object, QSize size,
                   const DrawContext& context = DrawContext::Export());

// The bounding box and count of the pixels whose colour passes `test`.
struct Ink
{
    QRect bounds;
    int count = 0;
};
Ink InkWhere(const QImage& image, const std::function<bool(const QColor&)>& test,
              QRect within = QRect());
// Pixels clearly darker than paper.
Ink DarkInk(const QImage& image, QRect within = QRect());

// Gives the object a shadow of this type, offset and colour.
void SetShadow(PageObject& object, int type, int dx, int dy, ColorRef colour);

// One object of every stored type, every stored field set away from its default.
ObjectList OneOfEveryStoredType();

inline bool Near(const QColor& actual, const QColor& expected, int tolerance = 8)
{
    return ColorsNear(actual, expected, tolerance);
}
