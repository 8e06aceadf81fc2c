#include "canvas/objects/photo/AlphaEffects.h"

#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace PhotoPixels {

QImage WithOpacity(const QImage& bitmap, std::uint8_t opacity)
{
    if (BitsPerPixel(bitmap) == 24)
        return WithAlphaChannel(bitmap, opacity);
    if (BitsPerPixel(bitmap) != 32)
        return {};
    QImage result = bitmap;
    ForEachPixel(result, [opacity](std::uint8_t* pixel) { pixel[3] = opacity; });
    return result;
}

QImage CircleFaded(const QImage& bitmap)
{
    if (!IsColourBitmap(bitmap))
        return {};
    const int w = bitmap.width(), h = bitmap.height();
    QImage result(bitmap.size(), QImage::Format_ARGB32);
    if (result.isNull())
        return {};
    const int cx = w / 2, cy = h / 2;
    const qint64 radius = std::max({cx, cy, 1}); // a one-pixel picture has no distance to fade over
    // Alpha by whole distance: (1 − 0.8 d / R) × 255 in whole numbers, so d = R gives
    // exactly 51. No pixel lies further than the corner from the centre.
    const auto farthest = size_t(std::sqrt(double(qint64(cx) * cx + qint64(cy) * cy))) + 1;
    std::vector<std::uint8_t> alphaAt(farthest + 1);
    for (size_t d = 0; d < alphaAt.size(); ++d) {
        const qint64 alpha = (5 * radius - 4 * qint64(d)) * 255 / (5 * radius);
        alphaAt[d] = std::uint8_t(std::clamp<qint64>(alpha, 0, 255));
    }
    const int step = BitsPerPixel(bitmap) / 8;
    const std::uint8_t* from = bitmap.constBits();
    const qsizetype fromPitch = bitmap.bytesPerLine(), pitch = result.bytesPerLine();
    std::uint8_t* to = result.bits();
    // Pixel centres inside the ellipse: (2x + 1 − w)² h² + (2y + 1 − h)² w² ≤ w² h².
    const qint64 ww = qint64(w) * w, hh = qint64(h) * h;
    ForRowBands(h, pitch, [&](int first, int end) {
        for (int y = first; y < end; ++y) {
            const std::uint8_t* source = from + fromPitch * y;
            std::uint8_t* target = Row(to, pitch, y);
            const qint64 ey = qint64(2 * y + 1 - h) * (2 * y + 1 - h) * ww;
            const qint64 dy2 = qint64(cy - y) * (cy - y);
            for (int x = 0; x < w; ++x, source += step, target += 4) {
                const qint64 ex = qint64(2 * x + 1 - w) * (2 * x + 1 - w) * hh;
                if (ex + ey > ww * hh) {
                    target[0] = target[1] = target[2] = target[3] = 0;
                    continue;
                }
                const auto d = size_t(std::sqrt(double(qint64(cx - x) * (cx - x) + dy2)));
                target[0] = source[0];
                target[1] = source[1];
                target[2] = source[2];
                target[3] = alphaAt[std::min(d, farthest)];
            }
        }
    });
    return result;
}

QImage Bevelled(const QImage& bitmap)
{
    if (!IsColourBitmap(bitmap))
        return {};
    QImage result = AsAlphaBitmap(bitmap);
    if (result.isNull())
        return {};
    const int w = result.width(), h = result.height();
    const int rings = int(std::min(w, h) * 0.125);
    const qsizetype pitch = result.bytesPerLine();
    std::uint8_t* bits = result.bits();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = Row(bits, pitch, y);
        const int fromTopOrBottom = std::min(y, h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const int ring = std::min({x, w - 1 - x, fromTopOrBottom});
            if (ring < rings)
                row[4 * x + 3] = std::uint8_t(ring * 255 / rings);
            else if (x < w - 1 - rings)
                x = w - 1 - rings; // the inside keeps its alpha; skip to the right band
        }
    }
    return result;
}

} // namespace PhotoPixels
