#include "canvas/objects/BentText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace BentText {
namespace {
// Single-precision pi, as the turn of each character has always been worked out.
constexpr double kPi = 3.1415925;
constexpr int kWaveSegments = 64;
}

bool IsBent(int effect)
{
    return effect >= kFirstEffect && effect <= kLastEffect;
}

std::vector<Placement> OnCircle(int effect, const QRectF& rect, int count)
{
    std::vector<Placement> placements;
    const double width = rect.width(), height = rect.height();
    const double r = std::min(width, height) * 0.9 * 0.5;
    if (count <= 0 || r <= 0)
        return placements;
    const double x0 = rect.left() + width * 0.1 * 0.5;
    const double y0 = rect.top() + height * 0.1 * 0.5;
    const double step = (2 * width / r) / count;
    placements.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = i * step;
        const double turn = i * (step * 180) / kPi;
        if (effect == 1)
            placements.push_back({{x0 + r * (1 - std::cos(t)), y0 + r * (1 - std::sin(t))},
                                  turn - 90});
        else
            placements.push_back({{x0 + r * (1 - std::cos(t)), y0 + r * (1 + std::sin(t))},
                                  90 - turn});
    }
    return placements;
}

QPainterPath Baseline(int effect, const QRectF& rect)
{
    const QRectF inner = rect.adjusted(rect.width() * 0.05, rect.height() * 0.05,
                                       -rect.width() * 0.05, -rect.height() * 0.05);
    QPainterPath curve;
    switch (effect) {
    case 3: // arch over the top
        curve.arcMoveTo(inner, 180);
        curve.arcTo(inner, 180, -180);
        break;
    case 4: // valley under the bottom
        curve.arcMoveTo(inner, 180);
        curve.arcTo(inner, 180, 180);
        break;
    case 5:
    case 6: { // one full wave; 6 starts downwards
        const double amplitude = inner.height() / 4 * (effect == 5 ? 1 : -1);
        for (int i = 0; i <= kWaveSegments; ++i) {
            const double u = double(i) / kWaveSegments;
            const QPointF point(inner.left() + u * inner.width(),
                                inner.center().y() - amplitude * std::sin(2 * M_PI * u));
            if (i == 0)
                curve.moveTo(point);
            else
                curve.lineTo(point);
        }
        break;
    }
    default:
        break;
    }
    return curve;
}

std::vector<Placement> AlongCurve(const QPainterPath& curve, const QStringList& characters,
                                   const QFont& font)
{
    std::vector<Placement> placements;
    const double length = curve.length();
    if (characters.isEmpty() || length <= 0)
        return placements;
    const QFontMetricsF metrics(font);
    std::vector<double> advances;
    double total = 0;
    for (const QString& character : characters) {
        advances.push_back(metrics.horizontalAdvance(character));
        total += advances.back();
    }
    const double squeeze = total > length ? length / total : 1.0;
    double at = std::max(0.0, (length - total) / 2);
    placements.reserve(characters.size());
    for (const double advance : advances) {
        const double percent = curve.percentAtLength(std::min(at, length));
        // Qt measures angles anticlockwise; the painter turns clockwise.
        placements.push_back({curve.pointAtPercent(percent), -curve.angleAtPercent(percent)});
        at += advance * squeeze;
    }
    return placements;
}

QFont FittedToCurve(const QFont& font, const QPainterPath& curve, const QStringList& characters)
{
    const double length = curve.length();
    const double total = QFontMetricsF(font).horizontalAdvance(characters.join(QString()));
    if (total <= length || total <= 0)
        return font;
    QFont fitted = font;
    fitted.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * length / total)));
    return fitted;
}

void DrawCharacters(QPainter& painter, const QStringList& characters,
                    const std::vector<Placement>& placements, const QFont& font,
                    const QColor& color)
{
    const QFontMetricsF metrics(font);
    // Vertically centred on the origin, as a line box would be.
    const double baseline = -metrics.lineSpacing() / 2 + metrics.ascent();
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    const QTransform page = painter.worldTransform();
    const auto count = std::min<std::size_t>(placements.size(), characters.size());
    for (std::size_t i = 0; i < count; ++i) {
        QTransform placed = page;
        placed.translate(placements[i].origin.x(), placements[i].origin.y());
        placed.rotate(placements[i].degrees);
        painter.setWorldTransform(placed);
        painter.drawText(QPointF(0, baseline), characters[static_cast<qsizetype>(i)]);
    }
    painter.restore();
}

} // namespace BentText
