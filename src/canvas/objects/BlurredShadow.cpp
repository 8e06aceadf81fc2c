#include "canvas/objects/BlurredShadow.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Printers map a page unit onto many device pixels; a blur needs no such detail.
constexpr double kMaxMaskScale = 2.0;
constexpr int kBlurPasses = 3;

void BoxBlurLine(const unsigned char* in, unsigned char* out, int count, int stride, int radius)
{
    const int window = 2 * radius + 1;
    int sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += in[std::clamp(i, 0, count - 1) * stride];
    for (int i = 0; i < count; ++i) {
        out[i * stride] = static_cast<unsigned char>(sum / window);
        const int leaving = std::clamp(i - radius, 0, count - 1);
        const int entering = std::clamp(i + radius + 1, 0, count - 1);
        sum += in[entering * stride] - in[leaving * stride];
    }
}

} // namespace

void BlurCoverage(std::vector<unsigned char>& coverage, int width, int height, int radius)
{
    if (radius <= 0 || width <= 0 || height <= 0)
        return;
    std::vector<unsigned char> scratch(coverage.size());
    for (int pass = 0; pass < kBlurPasses; ++pass) {
        for (int y = 0; y < height; ++y)
            BoxBlurLine(&coverage[size_t(y) * width], &scratch[size_t(y) * width], width, 1, radius);
        for (int x = 0; x < width; ++x)
            BoxBlurLine(&scratch[x], &coverage[x], height, width, radius);
    }
}

CBlurredShadow SoftShadow(const QPainterPath& mask, const QColor& color, int dx, int dy)
{
    const double blur = std::max(2.0, (std::abs(dx) + std::abs(dy)) / 2.0);
    return {mask, color, QPointF(dx, dy), blur};
}

CBlurredShadow GlowShadow(const QPainterPath& mask, const QColor& color, int dx, int dy)
{
    const double spread = std::max({2, std::abs(dx), std::abs(dy)});
    QPainterPathStroker stroker;
    stroker.setWidth(spread * 2.0);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath grown = mask.united(stroker.createStroke(mask));
    return {grown, color, QPointF(0, 0), spread};
}

void PaintBlurredShadow(QPainter& painter, const CBlurredShadow& shadow)
{
    if (shadow.mask.isEmpty() || shadow.color.alpha() == 0)
        return;
    const QTransform toDevice = painter.transform();
    const double deviceScale = std::sqrt(std::abs(toDevice.determinant()));
    const double maskScale = std::min(deviceScale, kMaxMaskScale);
    if (maskScale <= 0.0)
        return;
    const double radius = shadow.blurRadius * maskScale;

    // Work in device space, at most kMaxMaskScale pixels per page unit.
    const QTransform toMask = toDevice * QTransform::fromScale(maskScale / deviceScale,
                                                                maskScale / deviceScale);
    const QPainterPath placed = toMask.map(shadow.mask.translated(shadow.offset));
    QRectF bounds = placed.boundingRect().adjusted(-2 * radius, -2 * radius, 2 * radius, 2 * radius);
    if (const QPaintDevice* device = painter.device()) {
        // Only what the device can show is worth blurring.
        const double toMaskFactor = maskScale / deviceScale;
        const QRectF visible(0, 0, device->width() * toMaskFactor, device->height() * toMaskFactor);
        bounds = bounds.intersected(visible.adjusted(-2 * radius, -2 * radius, 2 * radius, 2 * radius));
    }
    const QRect area = bounds.toAlignedRect();
    if (area.isEmpty())
        return;

    QImage maskImage(area.size(), QImage::Format_Alpha8);
    maskImage.fill(0);
    {
        QPainter maskPainter(&maskImage);
        maskPainter.setRenderHint(QPainter::Antialiasing);
        maskPainter.translate(-area.topLeft());
        maskPainter.fillPath(placed, Qt::black);
    }
    std::vector<unsigned char> coverage(size_t(area.width()) * area.height());
    for (int y = 0; y < area.height(); ++y)
        std::copy_n(maskImage.constScanLine(y), area.width(), &coverage[size_t(y) * area.width()]);
    BlurCoverage(coverage, area.width(), area.height(), int(std::lround(radius / 2.0)));

    QImage tinted(area.size(), QImage::Format_ARGB32_Premultiplied);
    const QColor c = shadow.color;
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const int a = coverage[size_t(y) * area.width() + x] * c.alpha() / 255;
            line[x] = qRgba(c.red() * a / 255, c.green() * a / 255, c.blue() * a / 255, a);
        }
    }

    painter.save();
    painter.setTransform(QTransform::fromScale(deviceScale / maskScale, deviceScale / maskScale));
    painter.drawImage(area.topLeft(), tinted);
    painter.restore();
}
