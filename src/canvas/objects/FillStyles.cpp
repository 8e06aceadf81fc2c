#include "canvas/objects/FillStyles.h"

#include <algorithm>
#include <cmath>

QColor ToQColor(ColorRef color, int alpha)
{
    return QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff),
                  std::clamp(alpha, 0, 255));
}

ColorRef ToColorRef(const QColor& color)
{
    return Rgb(color.red(), color.green(), color.blue());
}

Qt::PenStyle DashStyle(int lineStyle)
{
    switch (lineStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DashDotLine;
    case 3: return Qt::DashDotDotLine;
    case 4: return Qt::DotLine;
    default: return Qt::SolidLine;
    }
}

QPen OutlinePen(ColorRef color, int width, int lineStyle, int alpha)
{
    QPen pen(ToQColor(color, alpha), std::max(0, width), DashStyle(lineStyle), Qt::RoundCap,
             Qt::RoundJoin);
    return pen;
}

namespace {

// Blending in linear light keeps the middle of a gradient from looking muddy.
constexpr double kGamma = 2.2;

double MixChannel(double a, double b, double share, bool gammaCorrected)
{
    if (!gammaCorrected)
        return a + (b - a) * share;
    const double linear = std::pow(a, kGamma) * (1.0 - share) + std::pow(b, kGamma) * share;
    return std::pow(linear, 1.0 / kGamma);
}

QColor Mix(const QColor& from, const QColor& to, double share, bool gammaCorrected)
{
    return QColor::fromRgbF(
        float(MixChannel(from.redF(), to.redF(), share, gammaCorrected)),
        float(MixChannel(from.greenF(), to.greenF(), share, gammaCorrected)),
        float(MixChannel(from.blueF(), to.blueF(), share, gammaCorrected)),
        float(from.alphaF() + (to.alphaF() - from.alphaF()) * share));
}

double BlendShare(const std::optional<GradientBlend>& blend, double position)
{
    if (!blend)
        return position;
    const GradientBlend& f = *blend;
    return position <= 0.5 ? f[0] + (f[1] - f[0]) * position * 2.0
                            : f[1] + (f[2] - f[1]) * (position - 0.5) * 2.0;
}

std::pair<QPointF, QPointF> GradientLine(const QRectF& area, GradientDirection direction)
{
    switch (direction) {
    case GradientDirection::Vertical:
        return {QPointF(area.center().x(), area.top()), QPointF(area.center().x(), area.bottom())};
    case GradientDirection::ForwardDiagonal:
        return {area.topLeft(), area.bottomRight()};
    case GradientDirection::BackwardDiagonal:
        return {area.topRight(), area.bottomLeft()};
    case GradientDirection::Horizontal:
        break;
    }
    return {QPointF(area.left(), area.center().y()), QPointF(area.right(), area.center().y())};
}

} // namespace

QLinearGradient MakeLinearGradient(const GradientSpec& spec)
{
    const auto [start, end] = GradientLine(spec.area, spec.direction);
    QLinearGradient gradient(start, end);
    // Enough stops that the blend and the gamma curve look smooth.
    constexpr int kStops = 16;
    for (int i = 0; i <= kStops; ++i) {
        const double position = double(i) / kStops;
        gradient.setColorAt(position, Mix(spec.from, spec.to, BlendShare(spec.blend, position),
                                          spec.gammaCorrected));
    }
    gradient.setSpread(QGradient::PadSpread);
    return gradient;
}

GradientDirection ShapeGradientDirection(int style)
{
    switch (style) {
    case 3: case 4: case 11: case 12:
        return GradientDirection::Vertical;
    case 5: case 6: case 13: case 14: case 30: case 31:
        return GradientDirection::ForwardDiagonal;
    case 7: case 8: case 15: case 16: case 32:
        return GradientDirection::BackwardDiagonal;
    default:
        return GradientDirection::Horizontal;
    }
}

std::optional<GradientBlend> ShapeGradientBlend(int style)
{
    if (style < 1 || style > 16)
        return std::nullopt;
    const bool mirrored = style > 8;   // 9 to 16 run out and back
    const bool reversed = style % 2 == 0;
    if (!mirrored)
        return reversed ? GradientBlend{1.0, 0.5, 0.0} : GradientBlend{0.0, 0.5, 1.0};
    return reversed ? GradientBlend{0.0, 0.5, 0.0} : GradientBlend{1.0, 0.5, 1.0};
}

GradientDirection GradientDirectionFromOption(int option)
{
    switch (option) {
    case 1: return GradientDirection::Horizontal;
    case 3: return GradientDirection::ForwardDiagonal;
    case 4: return GradientDirection::BackwardDiagonal;
    default: return GradientDirection::Vertical;
    }
}

Qt::BrushStyle HatchPattern(int hatchStyle)
{
    switch (hatchStyle) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: break;
    }
    // The many percentage and textured styles map onto the dense patterns.
    static constexpr Qt::BrushStyle kDense[] = {Qt::Dense7Pattern, Qt::Dense6Pattern,
                                                Qt::Dense5Pattern, Qt::Dense4Pattern,
                                                Qt::Dense3Pattern, Qt::Dense2Pattern};
    return kDense[std::abs(hatchStyle) % 6];
}
