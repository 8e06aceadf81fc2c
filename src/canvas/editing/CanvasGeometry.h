#pragma once

#include "canvas/objects/PageRect.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTransform>

// How the page is laid over the canvas window: zoom steps, the mapping between page
// units and window pixels, and the page outline.
namespace CanvasGeometry {

constexpr double kMaxZoom = 8.0;
constexpr double kMinZoom = 0.2;
constexpr int kDefaultPageWidth = 850;
constexpr int kDefaultPageHeight = 1098;
// The page outline keeps at least this gap to the window's edge.
constexpr int kOutlineMargin = 40;
// Room beyond the page that scrolling can reach.
constexpr int kScrollSlack = 50;

// Page units to window pixels: the zoom in thousandths (as the mapping truncates it),
// then the scroll position in window pixels.
struct CMapping
{
    double zoom = 1.0;
    QPoint scroll;

    double Scale() const;
    QTransform PageToWindow() const;
    QPointF ToPage(const QPointF& window) const;
    QPoint ToPagePoint(const QPoint& window) const;
    QRect ToWindow(const CPageRect& rect) const;
    CPageRect ToPage(const QRect& window) const;
};

// The outline's top-left corner in page units: half the spare room, but at least the margin.
QPoint PageOutlineOrigin(const QSize& client, const QSize& page);
// The size scrolling covers at a zoom, in window pixels.
QSize ScrollExtent(const QSize& page, double zoom);

// The rectangle two corners span, whichever way the drag went.
CPageRect SpannedRect(const QPoint& from, const QPoint& to);
CPageRect Normalized(const CPageRect& rect);
CPageRect Offset(const CPageRect& rect, int dx, int dy);
bool Intersects(const CPageRect& a, const CPageRect& b);
CPageRect Intersection(const CPageRect& a, const CPageRect& b);
CPageRect United(const CPageRect& a, const CPageRect& b);
bool Contains(const CPageRect& rect, const QPoint& point);

} // namespace CanvasGeometry
