#pragma once

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/objects/WrnDocument.h"

#include <QColor>
#include <QRect>
#include <QSize>

class QPainter;

// One paint of the canvas window: the exposed part only, background, page outline and
// every object in stacking order.
struct CanvasPaint
{
    QRect exposed;        // window pixels
    QSize page{CanvasGeometry::kDefaultPageWidth, CanvasGeometry::kDefaultPageHeight};
    // Places the page frame, and with it the outline, in the window (WindowMapping).
    CanvasGeometry::ViewMapping mapping;
    QColor background{129, 192, 245};
    bool outline = true;  // false while the page is rendered for a file
};

namespace CanvasPainter {

// Paints onto a painter whose origin is the window's top-left corner.
void Paint(QPainter& painter, const ObjectList& objects, const CanvasPaint& paint);

// Whether an object may paint anything inside the page area: its rectangle grown by
// what can reach beyond it (turning, shadows, outlines, selection frames).
bool MayPaintInto(const PageObject& object, const PageRect& area);

} // namespace CanvasPainter
