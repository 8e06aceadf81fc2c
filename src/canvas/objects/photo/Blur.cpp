#include "canvas/objects/photo/Blur.h"

#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <cmath>

namespace PhotoPixels {
namespace {

constexpr float kPhotoBlurStrength = 2.0f;


std::uint8_t RoundedByte(float sum)
{
    // Sums of bytes under weights that add up to 1 stay in 0 .. 255.5.
    const int value = int(sum + 0.5f);
    return std::uint8_t(value < 0 ? 0 : (value > 255 ? 255 : value));
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
    return RoundedByte(sum / weight);
}

// The photo's five-tap kernel over a run of bytes: out[i] = Σ w[k] × tap[k][i] + 0.5,
// added tap by tap in kernel order, as PartialTaps does.
TENDREL_VECTOR_CLONES
void FiveTaps(const float* w, const std::uint8_t* __restrict t0, const std::uint8_t* __restrict t1,
              const std::uint8_t* __restrict t2, const std::uint8_t* __restrict t3,
              const std::uint8_t* __restrict t4, std::uint8_t* __restrict out, qsizetype count)
{
    const float w0 = w[0], w1 = w[1], w2 = w[2], w3 = w[3], w4 = w[4];
    for (qsizetype i = 0; i < count; ++i) {
        float sum = w0 * float(t0[i]);
        sum += w1 * float(t1[i]);
        sum += w2 * float(t2[i]);
        sum += w3 * float(t3[i]);
        sum += w4 * float(t4[i]);
        out[i] = RoundedByte(sum);
    }
}

// Any other kernel over a run of bytes, in the same order.
template <class TapSource>
void WholeTaps(std::uint8_t* out, qsizetype count, const std::vector<float>& kernel,
               TapSource tapSource, std::vector<float>& sums)
{
    if (kernel.size() == 5) {
        FiveTaps(kernel.data(), tapSource(0), tapSource(1), tapSource(2), tapSource(3),
                 tapSource(4), out, count);
        return;
    }
    sums.assign(size_t(count), 0.0f);
    float* sum = sums.data();
    for (size_t k = 0; k < kernel.size(); ++k) {
        const std::uint8_t* in = tapSource(int(k));
        const float w = kernel[k];
        for (qsizetype i = 0; i < count; ++i)
            sum[i] += w * float(in[i]);
    }
    for (qsizetype i = 0; i < count; ++i)
        out[i] = RoundedByte(sum[i]);
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

// The rows of one band: each source row is blurred along itself into a ring of as many
// rows as the kernel has taps, and each output row is blurred down the ring.
class BandBlur
{
public:
    BandBlur(const QImage& bitmap, const std::vector<float>& kernel, const BandMargins& margins)
        : m_kernel(kernel), m_margins(margins), m_width(bitmap.width()), m_height(bitmap.height()),
          m_bytes(bitmap.depth() / 8), m_used(qsizetype(m_width) * m_bytes), m_taps(int(kernel.size())),
          m_ring(size_t(m_taps) * size_t(m_used))
    {
    }

    void Run(const PixelRowBand& band, std::uint8_t* bits, qsizetype pitch)
    {
        const int mid = m_taps / 2;
        for (int r = std::max(0, band.first - mid); r < std::min(m_height, band.first + mid); ++r)
            BlurSourceRow(band, r);
        for (int y = band.first; y < band.end; ++y) {
            if (y + mid < m_height)
                BlurSourceRow(band, y + mid);
            BlurDown(y, bits + pitch * y);
        }
    }

private:
    std::uint8_t* Slot(int row) { return m_ring.data() + m_used * (row % m_taps); }

    void BlurSourceRow(const PixelRowBand& band, int row)
    {
        BlurAlongRow(m_margins.Row(band, row), Slot(row), m_width, m_bytes, m_kernel, m_sums);
    }

    void BlurDown(int y, std::uint8_t* out)
    {
        const int mid = m_taps / 2;
        if (y >= mid && y + mid < m_height) {
            WholeTaps(out, m_used, m_kernel, [&](int k) { return Slot(y + k - mid); }, m_sums);
            return;
        }
        for (qsizetype i = 0; i < m_used; ++i)
            out[i] = PartialTaps(m_kernel, [&](int k) {
                const int at = y + k - mid;
                return at < 0 || at >= m_height ? -1 : int(Slot(at)[i]);
            });
    }

    const std::vector<float>& m_kernel;
    const BandMargins& m_margins;
    const int m_width, m_height, m_bytes;
    const qsizetype m_used;
    const int m_taps;
    std::vector<std::uint8_t> m_ring;
    std::vector<float> m_sums;
};

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
    const qsizetype pitch = bitmap.bytesPerLine();
    std::uint8_t* bits = bitmap.bits();
    if (!bits)
        return false;
    // Rows next to each band are overwritten by its neighbours, so they are saved first.
    const std::vector<PixelRowBand> bands = RowBands(bitmap.height(), pitch);
    const BandMargins margins(bitmap, bands, int(kernel.size()) / 2);
    RunBands(bands, [&](int first, int end) {
        BandBlur(bitmap, kernel, margins).Run({first, end}, bits, pitch);
    });
    return true;
}

bool Blur(QImage& bitmap)
{
    return Blur(bitmap, BlurKernel(kPhotoBlurStrength));
}

} // namespace PhotoPixels
