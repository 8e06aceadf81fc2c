#include "canvas/objects/BlurredShadow.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Printers map a page unit onto many device pixels; a blur needs no such detail. A
// wide blur is worked out on a coarser mask, which looks the same once spread.
constexpr double kMaxMaskScale = 2.0;
constexpr double kMinMaskScale = 0.25;
constexpr double kBlurPixelsWanted = 8.0;
// Offsets and spreads beyond any page are damaged values, not shadows.
constexpr double kMaxShadowReach = 2000.0;
constexpr int kBlurPasses = 3;

// sum / window, rounded, through a 16-bit fixed-point reciprocal.
unsigned char Average(int sum, int scale)
{
    return static_cast<unsigned char>(std::min(255, (sum * scale + (1 << 15)) >> 16));
}

// One box pass along each row: a running sum, edges repeated.
void BoxBlurRows(const unsigned char* in, unsigned char* out, int width, int height, int radius)
{
    const int window = 2 * radius + 1;
    const int scale = ((1 << 16) + window / 2) / window;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = in + size_t(y) * width;
        unsigned char* target = out + size_t(y) * width;
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += row[std::clamp(i, 0, width - 1)];
        for (int x = 0; x < width; ++x) {
            target[x] = Average(sum, scale);
            sum += row[std::min(x + radius + 1, width - 1)] - row[std::max(x - radius, 0)];
        }
    }
}

// The same down each column, a whole row at a time so memory is read in order.
void BoxBlurColumns(const unsigned char* in, unsigned char* out, int width, int height, int radius)
{
    const int window = 2 * radius + 1;
    const int scale = ((1 << 16) + window / 2) / window;
    std::vector<int> sums(size_t(width), 0);
    auto row = [&](int y) { return in + size_t(std::clamp(y, 0, height - 1)) * width; };
    for (int i = -radius; i <= radius; ++i) {
        const unsigned char* r = row(i);
        for (int x = 0; x < width; ++x)
            sums[x] += r[x];
    }
    for (int y = 0; y < height; ++y) {
        unsigned char* target = out + size_t(y) * width;
        const unsigned char* entering = row(y + radius + 1);
        const unsigned char* leaving = row(y - radius);
        for (int x = 0; x < width; ++x) {
            target[x] = Average(sums[x], scale);
            sums[x] += entering[x] - leaving[x];
        }
    }
}

// The outline's shape in `size` pixels, grown by `spread`, blurred over `radius` and tinted.
QImage Tinted(const QPainterPath& outline, QSize size, double radius, double spread,
              const QColor& color)
{
    QImage maskImage(size, QImage::Format_Alpha8);
    maskImage.fill(0);
    {
        QPainter maskPainter(&maskImage);
        maskPainter.setRenderHint(QPainter::Antialiasing);
        maskPainter.fillPath(outline, Qt::black);
        if (spread > 0)
            maskPainter.strokePath(outline, QPen(Qt::black, 2 * spread, Qt::SolidLine,
                                                 Qt::RoundCap, Qt::RoundJoin));
    }
    std::vector<unsigned char> coverage(size_t(size.width()) * size.height());
    for (int y = 0; y < size.height(); ++y)
        std::copy_n(maskImage.constScanLine(y), size.width(), &coverage[size_t(y) * size.width()]);
    BlurCoverage(coverage, size.width(), size.height(), int(std::lround(radius / 2.0)));

    QImage tinted(size, QImage::Format_ARGB32_Premultiplied);
    const int red = color.red(), green = color.green(), blue = color.blue();
    const int alpha = color.alpha();
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        const unsigned char* cover = &coverage[size_t(y) * size.width()];
        for (int x = 0; x < size.width(); ++x) {
            const int a = cover[x] * alpha / 255;
            line[x] = qRgba(red * a / 255, green * a / 255, blue * a / 255, a);
        }
    }
    return tinted;
}

} // namespace

void BlurCoverage(std::vector<unsigned char>& coverage, int width, int height, int radius)
{
    if (radius <= 0 || width <= 0 || height <= 0)
        return;
    std::vector<unsigned char> scratch(coverage.size());
    for (int pass = 0; pass < kBlurPasses; ++pass) {
        BoxBlurRows(coverage.data(), scratch.data(), width, height, radius);
        BoxBlurColumns(scratch.data(), coverage.data(), width, height, radius);
    }
}

BlurredShadow SoftShadow(const QPainterPath& mask, const QColor& color, double dx, double dy)
{
    const double blur = std::max(2.0, (std::abs(dx) + std::abs(dy)) / 2.0);
    return {mask, color, QPointF(dx, dy), blur};
}

BlurredShadow GlowShadow(const QPainterPath& mask, const QColor& color, double dx, double dy)
{
    const double spread = std::max({2.0, std::abs(dx), std::abs(dy)});
    return {mask, color, QPointF(0, 0), spread, spread};
}

void PaintBlurredShadow(QPainter& painter, const BlurredShadow& shadow, KeptLayer* kept)
{
    if (shadow.mask.isEmpty() || shadow.color.alpha() == 0)
        return;
    const QTransform toDevice = painter.transform();
    const double deviceScale = std::sqrt(std::abs(toDevice.determinant()));
    if (!(deviceScale > 0.0) || std::abs(shadow.offset.x()) > kMaxShadowReach ||
        std::abs(shadow.offset.y()) > kMaxShadowReach || shadow.spread > kMaxShadowReach ||
        shadow.blurRadius > kMaxShadowReach)
        return;
    const double coarse = std::max(kMinMaskScale, kBlurPixelsWanted / std::max(1.0, shadow.blurRadius));
    const double maskScale = std::min({deviceScale, kMaxMaskScale, coarse});
    const double radius = shadow.blurRadius * maskScale;
    const double spread = shadow.spread * maskScale;

    // Work in device space, at most kMaxMaskScale pixels per page unit.
    const QTransform toMask = toDevice * QTransform::fromScale(maskScale / deviceScale,
                                                                maskScale / deviceScale);
    const QPainterPath placed = toMask.map(shadow.mask.translated(shadow.offset));
    const double margin = 2 * radius + spread;
    QRectF bounds = placed.boundingRect().adjusted(-margin, -margin, margin, margin);
    if (const QPaintDevice* device = painter.device()) {
        // Only what the device can show is worth blurring.
        const double toMaskFactor = maskScale / deviceScale;
        const QRectF visible(0, 0, device->width() * toMaskFactor, device->height() * toMaskFactor);
        bounds = bounds.intersected(visible.adjusted(-2 * radius, -2 * radius, 2 * radius, 2 * radius));
    }
    const QRect area = bounds.toAlignedRect();
    if (area.isEmpty())
        return;

    const QPainterPath inArea = placed.translated(-area.topLeft());
    const auto blurred = [&] { return Tinted(inArea, area.size(), radius, spread, shadow.color); };
    const QImage tinted =
        kept ? kept->For({inArea, {double(area.width()), double(area.height()), radius, spread,
                                   double(shadow.color.rgba())}},
                         blurred)
             : blurred();

    painter.save();
    if (maskScale == deviceScale) {
        painter.resetTransform();
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(QTransform::fromScale(deviceScale / maskScale, deviceScale / maskScale));
    }
    painter.drawImage(area.topLeft(), tinted);
    painter.restore();
}
