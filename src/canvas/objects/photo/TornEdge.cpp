#include "canvas/objects/photo/TornEdge.h"

#include "canvas/objects/photo/PixelRows.h"

#include <QPainter>

namespace PhotoPixels {
namespace {

// Half a jitter of up to ±10 pixels: v is 0..10, negated when odd, then halved.
int HalfJitter(JitterRandom& random)
{
    int v = int(random.Next() / 32767.0 * 10.0);
    if (v % 2 != 0)
        v = -v;
    return v / 2;
}

} // namespace

QPolygon TornEdgeOutline(int w, int h, std::uint32_t seed)
{
    JitterRandom random(seed);
    QPolygon points;
    points << QPoint(5, 5);
    for (int y = 15; y < h - 6; y += 10)
        points << QPoint(5 + HalfJitter(random), y);
    points << QPoint(5, h - 6);
    for (int x = 15; x < w - 6; x += 10)
        points << QPoint(x, h - 6 - HalfJitter(random));
    points << QPoint(w - 6, h - 6);
    for (int y = h - 6; y > 5; y -= 10)
        points << QPoint(w - 6 - HalfJitter(random), y);
    points << QPoint(w - 6, 5);
    for (int x = w - 6; x > 5; x -= 10)
        points << QPoint(x, 5 + HalfJitter(random));
    // The last point made is left out of the outline.
    points.removeLast();
    return points;
}

QImage TornEdged(const QImage& bitmap, std::uint32_t seed)
{
    if (!IsColourBitmap(bitmap))
        return {};
    QImage result = AsAlphaBitmap(bitmap);
    QImage inside(bitmap.size(), QImage::Format_Grayscale8);
    if (result.isNull() || inside.isNull())
        return {};
    inside.fill(0);
    {
        QPainter painter(&inside);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(TornEdgeOutline(bitmap.width(), bitmap.height(), seed), Qt::OddEvenFill);
    }
    const int w = result.width();
    const qsizetype pitch = result.bytesPerLine();
    std::uint8_t* bits = result.bits();
    for (int y = 0; y < result.height(); ++y) {
        const std::uint8_t* mask = inside.constScanLine(y);
        std::uint8_t* pixel = Row(bits, pitch, y);
        for (int x = 0; x < w; ++x, pixel += 4) {
            if (mask[x])
                pixel[3] = 255;
            else
                pixel[0] = pixel[1] = pixel[2] = pixel[3] = 0;
        }
    }
    return result;
}

} // namespace PhotoPixels
