#include "canvas/editing/CanvasPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace CanvasPainter {

namespace {

// Beyond turning, the farthest any object paints outside its rectangle: shadows move
// by their offsets and blur, outlines and selection handles stick out a little.
std::int64_t Reach(const PageObject& object)
{
    const std::int64_t shadow = std::max<std::int64_t>(std::abs(std::int64_t(object.m_nShadowDX)),
                                                       std::abs(std::int64_t(object.m_nShadowDY)));
    return shadow + std::abs(std::int64_t(object.m_nLineWidth)) + 64;
}

} // namespace

bool MayPaintInto(const PageObject& object, const PageRect& area)
{
    const PageRect rect = CanvasGeometry::Normalized(object.m_rect);
    // A turned object stays inside the circle through its corners.
    const double halfDiagonal = std::hypot(double(rect.Width()), double(rect.Height())) / 2.0;
    const double cx = (double(rect.left) + rect.right) / 2.0;
    const double cy = (double(rect.top) + rect.bottom) / 2.0;
    const double reach = halfDiagonal + double(Reach(object));
    return cx + reach >= area.left && cx - reach <= area.right && cy + reach >= area.top
        && cy - reach <= area.bottom;
}

void Paint(QPainter& painter, const ObjectList& objects, const CanvasPaint& paint)
{
    painter.save();
    painter.setClipRect(paint.exposed);
    if (paint.outline) {
        painter.fillRect(paint.exposed, paint.background);
        painter.save();
        painter.setTransform(paint.mapping.PageToWindow());
        // The mapping's shift puts the page frame where the outline belongs.
        const PageRect frame = PageFrame::Of(paint.page);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(paint.background);
        painter.drawRect(QRect(QPoint(frame.left, frame.top), paint.page));
        painter.restore();
    }

    const PageRect area = paint.mapping.ToPage(paint.exposed);
    DrawContext context;
    context.zoom = paint.mapping.Scale();
    context.exporting = !paint.outline;
    painter.setTransform(paint.mapping.PageToWindow());
    for (const auto& object : objects) {
        if (!MayPaintInto(*object, area))
            continue;
        painter.save();
        object->Draw(painter, context);
        painter.restore();
    }
    painter.restore();
}

} // namespace CanvasPainter
