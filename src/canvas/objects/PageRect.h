#pragma once

#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <climits>

// A rectangle as documents store it: left, top, right and bottom edges in page units,
// right and bottom exclusive, so width is right - left (unlike QRect).
struct PageRect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // A damaged document may hold any edges; the span saturates rather than overflows.
    constexpr std::int32_t Width() const { return Span(left, right); }
    constexpr std::int32_t Height() const { return Span(top, bottom); }
    QRectF ToRectF() const { return QRectF(left, top, Width(), Height()); }
    QPointF Center() const { return ToRectF().center(); }
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    friend constexpr bool operator==(const PageRect&, const PageRect&) = default;

private:
    static constexpr std::int32_t Span(std::int32_t from, std::int32_t to)
    {
        const std::int64_t span = std::int64_t(to) - from;
        if (span > INT32_MAX)
            return INT32_MAX;
        return span < INT32_MIN ? INT32_MIN : std::int32_t(span);
    }
};

// Colours as documents store them: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue)
{
    return static_cast<ColorRef>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
