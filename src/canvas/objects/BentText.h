#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <vector>

class QPainter;

// Plain text bent along a curve, drawn one character at a time.
namespace BentText {

constexpr int kFirstEffect = 1;
constexpr int kLastEffect = 6;

struct Placement
{
    QPointF origin;  // the character's left end, on its vertical middle
    double degrees;  // clockwise turn of the character about its origin
};

bool IsBent(int effect);

// Effects 1 (over the top) and 2 (under the bottom): one fixed angular step per
// character around a circle in `rect`.
std::vector<Placement> OnCircle(int effect, const QRectF& rect, int count);

// Effects 3 to 6: arch, valley, wave and its mirror, across `rect`.
QPainterPath Baseline(int effect, const QRectF& rect);
// The characters follow `curve` by their own widths, centred on its length and
// squeezed together when the text is longer than the curve.
std::vector<Placement> AlongCurve(const QPainterPath& curve, const QStringList& characters,
                                   const QFont& font);

// `font` made smaller where the text is longer than `curve`, so letters never overlap.
QFont FittedToCurve(const QFont& font, const QPainterPath& curve, const QStringList& characters);

void DrawCharacters(QPainter& painter, const QStringList& characters,
                    const std::vector<Placement>& placements, const QFont& font,
                    const QColor& color);

} // namespace BentText
