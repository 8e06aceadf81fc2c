#pragma once

#include "canvas/objects/PageRect.h"

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QPen>
#include <array>
#include <optional>

QColor ToQColor(ColorRef color, int alpha = 255);
ColorRef ToColorRef(const QColor& color);

// 0 solid, 1 dash, 2 dash-dot, 3 dash-dot-dot, 4 dot; anything else solid.
Qt::PenStyle DashStyle(int lineStyle);
// The outline pen every kind strokes with: round joins, the stored dash style.
QPen OutlinePen(ColorRef color, int width, int lineStyle, int alpha = 255);

enum class GradientDirection { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal };

// Share of the end colour at positions 0, 0.5 and 1 of the gradient.
using GradientBlend = std::array<double, 3>;

struct GradientSpec
{
    QRectF area;
    GradientDirection direction = GradientDirection::Horizontal;
    QColor from;
    QColor to;
    std::optional<GradientBlend> blend; // none: straight from `from` to `to`
    bool gammaCorrected = true;
};

QLinearGradient MakeLinearGradient(const GradientSpec& spec);

// The shapes' 32 gradient styles: direction, and the blend of styles 1 to 16.
GradientDirection ShapeGradientDirection(int gradientStyle);
std::optional<GradientBlend> ShapeGradientBlend(int gradientStyle);
// 1 horizontal, 2 vertical, 3 forward diagonal, 4 backward diagonal; others vertical.
GradientDirection GradientDirectionFromOption(int option);

// A hatch pattern for a stored hatch style number.
Qt::BrushStyle HatchPattern(int hatchStyle);
