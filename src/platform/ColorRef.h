#pragma once

#include <QColor>
#include <algorithm>
#include <cstdint>

// Colours as documents and settings store them: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue)
{
    return static_cast<ColorRef>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}

inline QColor ToQColor(ColorRef color, int alpha = 255)
{
    return QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff),
                  std::clamp(alpha, 0, 255));
}

inline ColorRef ToColorRef(const QColor& color)
{
    return Rgb(color.red(), color.green(), color.blue());
}
