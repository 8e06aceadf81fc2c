#pragma once

#include <QPointF>
#include <QRectF>
#include <cstdint>

// A rectangle as documents store it: left, top, right and bottom edges in page units,
// right and bottom exclusive, so width is right - left (unlike QRect).
struct CPageRect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t Width() const { return right - left; }
    constexpr std::int32_t Height() const { return bottom - top; }
    QRectF ToRectF() const { return QRectF(left, top, Width(), Height()); }
    QPointF Center() const { return ToRectF().center(); }
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    friend constexpr bool operator==(const CPageRect&, const CPageRect&) = default;
};

// Colours as documents store them: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue)
{
    return static_cast<ColorRef>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
