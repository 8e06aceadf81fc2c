#include "canvas/objects/photo/Blur.h"

#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <cmath>

namespace PhotoPixels {
namespace {

constexpr float kPhotoBlurStrength = 2.0f;

std::uint8_t Rounded(float sum)
{
    return TruncatedByte(double(sum + 0.5f));
}

// One output where part of the kernel falls outside the line: those taps are skipped
// and the rest renormalised. `sourceUnder(k)` is the value under tap k, or -1.
template <class SourceUnder>
std::uint8_t PartialTaps(const std::vector<float>& kernel, SourceUnder sourceUnder)
{
    float sum = 0.0f, weight = 0.0f;
    for (size_t k = 0; k < kernel.size(); ++k) {
        const int value = sourceUnder(int(k));
        if (value < 0)
            continue;
        sum += kernel[k] * float(value);
        weight += kernel[k];
    }
    return Rounded(sum / weight);
}

// out[i] = Σ kernel[k] × tapSource(k)[i] + 0.5 for a run of `count` bytes, tap by tap in
// kernel order (the same order as PartialTaps), so the loops run along memory.
template <class TapSource>
void WholeTaps(std::uint8_t* out, qsizetype count, const std::vector<float>& kernel,
               TapSource tapSource, std::vector<float>& sums)
{
    sums.assign(size_t(count), 0.0f);
    float* sum = sums.data();
    for (size_t k = 0; k < kernel.size(); ++k) {
        const std::uint8_t* in = tapSource(int(k));
        const float w = kernel[k];
        for (qsizetype i = 0; i < count; ++i)
            sum[i] += w * float(in[i]);
    }
    for (qsizetype i = 0; i < count; ++i)
        out[i] = Rounded(sum[i]);
}

// Blurs one row of `width` pixels of `bytes` interleaved channels along the row.
void BlurAlongRow(const std::uint8_t* in, std::uint8_t* out, int width, int bytes,
                  const std::vector<float>& kernel, std::vector<float>& sums)
{
    const int mid = int(kernel.size()) / 2;
    const auto edge = [&](int x) {
        for (int c = 0; c < bytes; ++c)
            out[x * bytes + c] = PartialTaps(kernel, [&](int k) {
                const int at = x + k - mid;
                return at < 0 || at >= width ? -1 : int(in[at * bytes + c]);
            });
    };
    const int inner = width - 2 * mid; // pixels with every tap inside the row
    if (inner <= 0) {
        for (int x = 0; x < width; ++x)
            edge(x);
        return;
    }
    for (int x = 0; x < mid; ++x) {
        edge(x);
        edge(width - 1 - x);
    }
    WholeTaps(out + mid * bytes, qsizetype(inner) * bytes, kernel,
              [&](int k) { return in + k * bytes; }, sums);
}

// Blurs rows [first, end) of `to` along the columns of `source`, which holds the
// picture as the row pass left it; `to` has the same size and pitch.
void BlurAlongColumns(const QImage& source, std::uint8_t* to, int first, int end,
                      const std::vector<float>& kernel)
{
    const int mid = int(kernel.size()) / 2, height = source.height();
    const qsizetype used = qsizetype(source.width()) * (source.depth() / 8);
    const std::uint8_t* from = source.constBits();
    const qsizetype fromPitch = source.bytesPerLine(), pitch = fromPitch;
    std::vector<float> sums;
    for (int y = first; y < end; ++y) {
        std::uint8_t* out = Row(to, pitch, y);
        if (y >= mid && y + mid < height) {
            WholeTaps(out, used, kernel,
                      [&](int k) { return from + fromPitch * (y + k - mid); }, sums);
            continue;
        }
        for (qsizetype i = 0; i < used; ++i)
            out[i] = PartialTaps(kernel, [&](int k) {
                const int at = y + k - mid;
                return at < 0 || at >= height ? -1 : int(from[fromPitch * at + i]);
            });
    }
}

} // namespace

std::vector<float> BlurKernel(float strength)
{
    const float deviation = std::fabs(strength * 0.5f) + 0.25f;
    const float reach = 2.0f * deviation;
    const int taps = std::max(1, 2 * int(std::ceil(reach - 0.5f)) + 1);
    const int mid = taps / 2;
    const float twoVariance = 2.0f * deviation * deviation;
    std::vector<float> kernel(size_t(taps), 0.0f);
    for (int i = mid + 1; i < taps; ++i) {
        const float base = float(i - mid) - 0.5f;
        float sum = 0.0f;
        for (int j = 1; j <= 50; ++j) {
            const float x = base + 0.02f * float(j);
            if (x <= reach)
                sum += std::exp(-x * x / twoVariance);
        }
        kernel[size_t(i)] = sum / 50.0f;
    }
    for (int i = 0; i < mid; ++i)
        kernel[size_t(i)] = kernel[size_t(taps - 1 - i)];
    float centre = 0.0f;
    for (int j = 0; j <= 50; ++j) {
        const float x = 0.5f + 0.02f * float(j);
        centre += std::exp(-x * x / twoVariance);
    }
    kernel[size_t(mid)] = centre / 51.0f;
    float total = 0.0f;
    for (float weight : kernel)
        total += weight;
    for (float& weight : kernel)
        weight /= total;
    return kernel;
}

bool Blur(QImage& bitmap, const std::vector<float>& kernel)
{
    if (!IsColourBitmap(bitmap) || kernel.empty())
        return false;
    // The row pass writes here and the column pass reads from here back into the bitmap.
    QImage rowsDone(bitmap.size(), bitmap.format());
    if (rowsDone.isNull())
        return false;
    const int bytes = bitmap.depth() / 8, width = bitmap.width();
    const qsizetype pitch = bitmap.bytesPerLine(), donePitch = rowsDone.bytesPerLine();
    std::uint8_t* bits = bitmap.bits();
    std::uint8_t* done = rowsDone.bits();
    ForRowBands(bitmap.height(), pitch, [&](int first, int end) {
        std::vector<float> sums;
        for (int y = first; y < end; ++y)
            BlurAlongRow(bits + pitch * y, Row(done, donePitch, y), width, bytes, kernel, sums);
    });
    ForRowBands(bitmap.height(), pitch, [&](int first, int end) {
        BlurAlongColumns(rowsDone, bits, first, end, kernel);
    });
    return true;
}

bool Blur(QImage& bitmap)
{
    return Blur(bitmap, BlurKernel(kPhotoBlurStrength));
}

} // namespace PhotoPixels
