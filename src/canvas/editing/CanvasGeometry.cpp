#include "canvas/editing/CanvasGeometry.h"

#include <algorithm>
#include <cmath>

namespace CanvasGeometry {

double ViewMapping::Scale() const
{
    return int(zoom * 1000.0) / 1000.0;
}

QTransform ViewMapping::PageToWindow() const
{
    const double scale = Scale();
    return QTransform(scale, 0, 0, scale, shift.x() * scale - scroll.x(),
                      shift.y() * scale - scroll.y());
}

QPointF ViewMapping::ToScene(const QPointF& page) const
{
    const double scale = Scale();
    return {(page.x() + shift.x()) * scale, (page.y() + shift.y()) * scale};
}

QPointF ViewMapping::ToPage(const QPointF& window) const
{
    const double scale = Scale();
    return {(window.x() + scroll.x()) / scale - shift.x(),
            (window.y() + scroll.y()) / scale - shift.y()};
}

QPoint ViewMapping::ToPagePoint(const QPoint& window) const
{
    const QPointF page = ToPage(QPointF(window));
    return {int(std::floor(page.x())), int(std::floor(page.y()))};
}

QRect ViewMapping::ToWindow(const PageRect& rect) const
{
    const double scale = Scale();
    const auto x = [&](std::int32_t v) {
        return int(std::lround((double(v) + shift.x()) * scale)) - scroll.x();
    };
    const auto y = [&](std::int32_t v) {
        return int(std::lround((double(v) + shift.y()) * scale)) - scroll.y();
    };
    // Page right and bottom are exclusive; QRect's are inclusive.
    const PageRect n = Normalized(rect);
    return QRect(QPoint(x(n.left), y(n.top)), QPoint(x(n.right) - 1, y(n.bottom) - 1));
}

PageRect ViewMapping::ToPage(const QRect& window) const
{
    const double scale = Scale();
    const auto x = [&](int v) {
        return std::int32_t(std::lround((v + scroll.x()) / scale) - shift.x());
    };
    const auto y = [&](int v) {
        return std::int32_t(std::lround((v + scroll.y()) / scale) - shift.y());
    };
    // QRect's right and bottom are inclusive; page rectangles' are not.
    return Normalized({x(window.left()), y(window.top()), x(window.right() + 1),
                       y(window.bottom() + 1)});
}

QPoint PageOutlineOrigin(const QSize& client, const QSize& page)
{
    const auto edge = [](int clientSide, int pageSide) {
        const int spare = clientSide - pageSide;
        return spare <= kOutlineMargin ? kOutlineMargin : spare / 2;
    };
    return {edge(client.width(), page.width()), edge(client.height(), page.height())};
}

ViewMapping WindowMapping(double zoom, const QPoint& scroll, const QSize& client, const QSize& page)
{
    const PageRect frame = PageFrame::Of(page);
    return {zoom, scroll, PageOutlineOrigin(client, page) - QPoint(frame.left, frame.top)};
}

QSize ScrollExtent(const QSize& page, const ViewMapping& mapping)
{
    const QPointF far = mapping.ToScene(QPointF(page.width() + kScrollSlack,
                                                page.height() + kScrollSlack));
    return {int(std::lround(far.x())), int(std::lround(far.y()))};
}

PageRect SpannedRect(const QPoint& from, const QPoint& to)
{
    return Normalized({from.x(), from.y(), to.x(), to.y()});
}

PageRect Normalized(const PageRect& rect)
{
    return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
            std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
}

PageRect Offset(const PageRect& rect, int dx, int dy)
{
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

bool Intersects(const PageRect& a, const PageRect& b)
{
    return !Intersection(a, b).IsEmpty();
}

PageRect Intersection(const PageRect& a, const PageRect& b)
{
    const PageRect na = Normalized(a);
    const PageRect nb = Normalized(b);
    return {std::max(na.left, nb.left), std::max(na.top, nb.top), std::min(na.right, nb.right),
            std::min(na.bottom, nb.bottom)};
}

PageRect United(const PageRect& a, const PageRect& b)
{
    const PageRect na = Normalized(a);
    const PageRect nb = Normalized(b);
    return {std::min(na.left, nb.left), std::min(na.top, nb.top), std::max(na.right, nb.right),
            std::max(na.bottom, nb.bottom)};
}

bool Contains(const PageRect& rect, const QPoint& point)
{
    const PageRect n = Normalized(rect);
    return point.x() >= n.left && point.x() < n.right && point.y() >= n.top
        && point.y() < n.bottom;
}

} // namespace CanvasGeometry
