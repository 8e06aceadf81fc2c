#pragma once

#include "canvas/objects/PageRect.h"

#include <QSize>
#include <algorithm>

// Where the page lies among its objects. Documents keep objects in page units with the
// page's top-left corner at (40, 40), where the page stood on the screens the format
// comes from. The outline on screen, printing, preview, pictures and PDF files of the
// page all take this one rectangle.
namespace PageFrame {

constexpr std::int32_t kOrigin = 40;

constexpr PageRect Of(std::int32_t width, std::int32_t height)
{
    // A damaged header may claim any size; the edges saturate rather than overflow.
    const auto edge = [](std::int32_t side) {
        const std::int64_t far = std::int64_t(kOrigin) + side;
        return std::int32_t(std::clamp<std::int64_t>(far, INT32_MIN, INT32_MAX));
    };
    return {kOrigin, kOrigin, edge(width), edge(height)};
}

inline PageRect Of(const QSize& page)
{
    return Of(page.width(), page.height());
}

} // namespace PageFrame
