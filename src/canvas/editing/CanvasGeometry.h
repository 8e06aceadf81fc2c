#pragma once

#include "canvas/objects/PageFrame.h"
#include "canvas/objects/PageRect.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTransform>

// How the page is laid over the canvas window: zoom steps, the mapping between page
// units and window pixels, and the page outline. The window shows the page frame where
// the outline rule puts it by shifting the whole scene, objects and page together.
namespace CanvasGeometry {

constexpr double kMaxZoom = 8.0;
constexpr double kMinZoom = 0.2;
constexpr int kDefaultPageWidth = 850;
constexpr int kDefaultPageHeight = 1098;
// The page outline keeps at least this gap to the window's edge: in a window too
// narrow for more, the outline stands exactly over the page frame.
constexpr int kOutlineMargin = PageFrame::kOrigin;
// Room beyond the page that scrolling can reach.
constexpr int kScrollSlack = 50;

// Page units to window pixels: the shift that puts the page frame under the outline,
// the zoom in thousandths (as the mapping truncates it), then the scroll position in
// window pixels.
struct ViewMapping
{
    double zoom = 1.0;
    QPoint scroll;
    QPoint shift{};   // page units

    double Scale() const;
    QTransform PageToWindow() const;
    // Where a page point lies in the window while it is scrolled to the origin.
    QPointF ToScene(const QPointF& page) const;
    QPointF ToPage(const QPointF& window) const;
    QPoint ToPagePoint(const QPoint& window) const;
    QRect ToWindow(const PageRect& rect) const;
    PageRect ToPage(const QRect& window) const;
};

// The outline's top-left corner in the unshifted scene: half the spare room, but at least
// the margin.
QPoint PageOutlineOrigin(const QSize& client, const QSize& page);
// The mapping of a window of `client` pixels that shows a page of `page` units.
ViewMapping WindowMapping(double zoom, const QPoint& scroll, const QSize& client, const QSize& page);
// The size scrolling covers, in window pixels: the page and the room beyond it, moved
// with the page frame.
QSize ScrollExtent(const QSize& page, const ViewMapping& mapping);

// The rectangle two corners span, whichever way the drag went.
PageRect SpannedRect(const QPoint& from, const QPoint& to);
PageRect Normalized(const PageRect& rect);
PageRect Offset(const PageRect& rect, int dx, int dy);
bool Intersects(const PageRect& a, const PageRect& b);
PageRect Intersection(const PageRect& a, const PageRect& b);
PageRect United(const PageRect& a, const PageRect& b);
bool Contains(const PageRect& rect, const QPoint& point);

} // namespace CanvasGeometry
