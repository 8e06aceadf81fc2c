#pragma once

#include "canvas/objects/PageRect.h"

#include <array>
#include <cstdint>

class PageObject;

// The look of an object apart from its place and content: line, fill and shadow. "Get
// style" keeps one, "Apply style" and the fill presets give one to another object.
struct ObjectStyle
{
    int noLine = 0;
    int lineStyle = 0;
    int lineWidth = 1;
    ColorRef line = Rgb(0, 0, 0);
    std::uint8_t lineAlpha = 255;
    int fillType = 0;
    int fill = 0;
    ColorRef fillColor = Rgb(127, 127, 127);
    ColorRef fillColor2 = Rgb(255, 255, 255);
    std::uint8_t fillAlpha = 255;
    int pattern = 0;
    int gradientStyle = 1;
    int shadowType = 0;
    ColorRef shadow = Rgb(127, 127, 127);
    std::uint8_t shadowAlpha = 255;
    int shadowDir = 1;
    int shadowDX = 5;
    int shadowDY = 5;

    static ObjectStyle Of(const PageObject& object);
    void ApplyTo(PageObject& object) const;
    friend bool operator==(const ObjectStyle&, const ObjectStyle&) = default;
};

// The thirty looks of the Custom fill dialog, each drawable by the shapes.
namespace FillPresets {
constexpr int kCount = 30;
const std::array<ObjectStyle, kCount>& All();
} // namespace FillPresets
