#include "canvas/objects/TextArt.h"

#include "canvas/objects/BlurredShadow.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/Rotation.h"
#include "canvas/objects/TextLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <cmath>
#include <functional>

namespace TextArt {
namespace {

// Letters are laid out large and scaled down, so their outlines do not depend on hinting.
constexpr int kLayoutPixels = 100;
// Straight edges longer than this (in units of the unit square) are split before
// warping, so a tall stem bends with its neighbours.
constexpr double kLongestStraightEdge = 0.02;

enum class Warp { None, ArchUp, ArchDown, Wave, SlantRight, SlantLeft, Grow, Inflate };
enum class Shadow { None, Hard, Soft, Glow, Extrude };

struct ArtLook
{
    const char* name;
    Warp warp;
    std::array<QRgb, 3> fill; // gradient stops at 0, 0.5 and 1; all zero for no fill
    GradientDirection direction;
    QRgb outline;             // 0 for none
    double outlineWidth;      // share of the rectangle's height
    QRgb outerOutline;        // a wide stroke under everything else; 0 for none
    Shadow shadow;
    QRgb shadowColor;
};

constexpr QRgb kNone = 0;
constexpr QRgb Opaque(int r, int g, int b) { return qRgb(r, g, b); }

const std::array<ArtLook, 13>& Looks()
{
    using enum Warp;
    using S = Shadow;
    using D = GradientDirection;
    static const std::array<ArtLook, 13> looks{{
        {"Gold", None, {Opaque(255, 236, 139), Opaque(255, 200, 0), Opaque(214, 120, 0)},
         D::Vertical, Opaque(110, 60, 0), 0.012, kNone, S::None, kNone},
        {"Rainbow", None, {Opaque(230, 30, 40), Opaque(40, 190, 60), Opaque(60, 60, 220)},
         D::Horizontal, kNone, 0, kNone, S::None, kNone},
        {"Sticker", None, {Opaque(0, 51, 153), Opaque(0, 51, 153), Opaque(0, 51, 153)},
         D::Vertical, kNone, 0, Opaque(255, 255, 255), S::Hard, Opaque(120, 120, 120)},
        {"Italic shadow", SlantRight, {Opaque(210, 20, 30), Opaque(210, 20, 30), Opaque(210, 20, 30)},
         D::Vertical, kNone, 0, kNone, S::Soft, Opaque(60, 60, 60)},
        {"Glow", None, {Opaque(255, 255, 255), Opaque(255, 255, 255), Opaque(255, 255, 255)},
         D::Vertical, Opaque(30, 90, 200), 0.008, kNone, S::Glow, Opaque(60, 140, 255)},
        {"Arch", ArchUp, {Opaque(170, 230, 120), Opaque(60, 170, 60), Opaque(20, 110, 30)},
         D::Vertical, Opaque(10, 70, 20), 0.01, kNone, S::None, kNone},
        {"Valley", ArchDown, {Opaque(120, 40, 160), Opaque(200, 80, 190), Opaque(255, 150, 200)},
         D::Horizontal, Opaque(70, 20, 90), 0.01, kNone, S::None, kNone},
        {"Wave", Wave, {Opaque(0, 170, 170), Opaque(0, 120, 200), Opaque(20, 60, 180)},
         D::Horizontal, Opaque(0, 50, 90), 0.008, kNone, S::None, kNone},
        {"Perspective", Grow, {Opaque(255, 140, 0), Opaque(255, 140, 0), Opaque(255, 140, 0)},
         D::Vertical, Opaque(120, 50, 0), 0.01, kNone, S::Hard, Opaque(150, 150, 150)},
        {"Block", None, {Opaque(160, 210, 255), Opaque(120, 180, 240), Opaque(80, 140, 220)},
         D::Vertical, Opaque(20, 40, 90), 0.008, kNone, S::Extrude, Opaque(40, 50, 70)},
        {"Hollow", None, {kNone, kNone, kNone}, D::Vertical, Opaque(255, 255, 255), 0.012,
         Opaque(180, 0, 40), S::None, kNone},
        {"Chrome slant", SlantLeft, {Opaque(20, 20, 20), Opaque(170, 170, 170), Opaque(60, 60, 60)},
         D::Vertical, Opaque(255, 255, 255), 0.006, kNone, S::None, kNone},
        {"Inflate", Inflate, {Opaque(255, 240, 0), Opaque(255, 150, 0), Opaque(220, 30, 0)},
         D::ForwardDiagonal, Opaque(120, 0, 0), 0.01, kNone, S::None, kNone},
    }};
    return looks;
}

// (u, v) in the unit square, bent into the unit square.
QPointF Warped(Warp warp, QPointF at)
{
    const double u = at.x(), v = at.y();
    switch (warp) {
    case Warp::ArchUp: return {u, v * 0.6 + 0.4 * (1 - std::sin(M_PI * u))};
    case Warp::ArchDown: return {u, v * 0.6 + 0.4 * std::sin(M_PI * u)};
    case Warp::Wave: return {u, v * 0.7 + 0.15 * (1 + std::sin(2 * M_PI * u))};
    case Warp::SlantRight: return {u * 0.8 + 0.2 * (1 - v), v};
    case Warp::SlantLeft: return {u * 0.8 + 0.2 * v, v};
    case Warp::Grow: return {u, 0.5 + (v - 0.5) * (0.4 + 0.6 * u)};
    case Warp::Inflate: return {u, 0.5 + (v - 0.5) * (0.45 + 0.55 * std::sin(M_PI * u))};
    case Warp::None: break;
    }
    return at;
}

// `path` mapped point by point through `map`, long straight edges split first.
QPainterPath MappedPath(const QPainterPath& path, const std::function<QPointF(QPointF)>& map)
{
    QPainterPath mapped;
    mapped.setFillRule(path.fillRule());
    QPointF last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        const QPointF point(element.x, element.y);
        if (element.isMoveTo()) {
            mapped.moveTo(map(point));
        } else if (element.isLineTo()) {
            const int pieces = std::max(1, int(std::ceil(QLineF(last, point).length() /
                                                         kLongestStraightEdge)));
            for (int k = 1; k <= pieces; ++k)
                mapped.lineTo(map(last + (point - last) * (double(k) / pieces)));
        } else if (element.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            mapped.cubicTo(map(point), map({c2.x, c2.y}), map({end.x, end.y}));
            last = {end.x, end.y};
            i += 2;
            continue;
        }
        last = point;
    }
    return mapped;
}

// The text's outline stretched over the unit square and bent by the look's warp.
QPainterPath WarpedUnitText(const QString& text, const QFont& font, Warp warp)
{
    QFont large = font;
    large.setPixelSize(kLayoutPixels);
    const QPainterPath laid = BuildTextBlock(text, large, {0, 0}).path;
    const QRectF bounds = laid.boundingRect();
    if (laid.isEmpty() || bounds.width() <= 0 || bounds.height() <= 0)
        return {};
    const QPainterPath unit = QTransform::fromScale(1 / bounds.width(), 1 / bounds.height())
                                  .translate(-bounds.left(), -bounds.top())
                                  .map(laid);
    return MappedPath(unit, [warp](QPointF at) { return Warped(warp, at); });
}

QBrush FillOf(const ArtLook& look, const QRectF& area)
{
    if (look.fill[0] == kNone)
        return {};
    QLinearGradient gradient = MakeLinearGradient(
        {area, look.direction, QColor(look.fill[0]), QColor(look.fill[2]), std::nullopt, false});
    gradient.setColorAt(0.5, QColor(look.fill[1]));
    return QBrush(gradient);
}

QPen StrokeOf(QRgb color, double width)
{
    return QPen(QColor(color), std::max(1.0, width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintShadow(QPainter& painter, const ArtLook& look, const QPainterPath& letters, double unit,
                 KeptLayer* kept)
{
    const QColor color(look.shadowColor);
    switch (look.shadow) {
    case Shadow::Hard:
        painter.fillPath(letters.translated(unit * 0.05, unit * 0.05), color);
        break;
    case Shadow::Soft:
        PaintBlurredShadow(painter, SoftShadow(letters, color, unit * 0.03, unit * 0.03), kept);
        break;
    case Shadow::Glow:
        PaintBlurredShadow(painter, GlowShadow(letters, color, unit * 0.04, unit * 0.04), kept);
        break;
    case Shadow::Extrude: {
        // Copies stepping back towards the lower right make a solid block.
        const int depth = std::max(2, int(unit * 0.08));
        for (int step = depth; step >= 1; --step)
            painter.fillPath(letters.translated(step, step), color);
        break;
    }
    case Shadow::None:
        break;
    }
}

} // namespace

bool IsVariant(int variant)
{
    return variant >= kFirstVariant && variant <= kLastVariant;
}

QString VariantName(int variant)
{
    return IsVariant(variant) ? QString::fromLatin1(Looks()[variant - kFirstVariant].name)
                              : QString();
}

void Paint(QPainter& painter, const QString& text, const QFont& font, const QRectF& rect,
           int variant, int angle, KeptLayer* shadowLayer)
{
    if (!IsVariant(variant) || rect.width() < 1 || rect.height() < 1)
        return;
    const ArtLook& look = Looks()[variant - kFirstVariant];
    const QPainterPath unit = WarpedUnitText(text, font, look.warp);
    if (unit.isEmpty())
        return;
    // A margin keeps outlines and shadows inside the rectangle.
    const double margin = std::min(rect.width(), rect.height()) * 0.08;
    const QRectF area = rect.adjusted(margin, margin, -margin, -margin);
    const QPainterPath letters = QTransform::fromTranslate(area.left(), area.top())
                                     .scale(area.width(), area.height())
                                     .map(unit);
    const double size = rect.height();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(RotationAbout(rect.center(), angle), true);
    PaintShadow(painter, look, letters, size, shadowLayer);
    if (look.outerOutline != kNone)
        painter.strokePath(letters, StrokeOf(look.outerOutline, size * 0.05));
    const QBrush fill = FillOf(look, area);
    if (fill.style() != Qt::NoBrush)
        painter.fillPath(letters, fill);
    if (look.outline != kNone)
        painter.strokePath(letters, StrokeOf(look.outline, size * look.outlineWidth));
    painter.restore();
}

} // namespace TextArt
