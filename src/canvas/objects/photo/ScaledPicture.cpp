#include "canvas/objects/photo/ScaledPicture.h"

#include "canvas/objects/photo/PixelRows.h"
#include "canvas/objects/photo/Resize.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace PhotoPixels {
namespace {

// Weights are parts of 2^16; a pixel's weights along one axis sum to exactly that.
constexpr int kWeightBits = 16;

// The source pixels each target pixel covers along one axis, and how much of each.
struct Taps
{
    std::vector<int> first;
    std::vector<int> count;
    std::vector<int> start; // into weights
    std::vector<std::uint32_t> weights;
};

// The coverage of each target pixel in parts of 2^16.
Taps TapsAlong(int source, int target)
{
    Taps taps;
    for (const Coverage& cover : CoverageAlong(source, target)) {
        taps.first.push_back(cover.first);
        taps.start.push_back(int(taps.weights.size()));
        qint64 given = 0;
        for (const qint64 covered : cover.weights) {
            const qint64 weight = (covered << kWeightBits) / source;
            taps.weights.push_back(std::uint32_t(weight));
            given += weight;
        }
        // What rounding down left out goes to the last pixel, so no target pixel darkens.
        taps.weights.back() += std::uint32_t((qint64(1) << kWeightBits) - given);
        taps.count.push_back(int(cover.weights.size()));
    }
    return taps;
}

// Rows added up in 16 bits before they are weighted: at most this many.
constexpr int kMaxPlainRows = 257;

#if defined(__GNUC__)
// Sixteen values of one type in a vector.
template <class Value> struct Lanes;
template <> struct Lanes<std::uint8_t> { using Type = std::uint8_t __attribute__((vector_size(16))); };
template <> struct Lanes<std::uint16_t> { using Type = std::uint16_t __attribute__((vector_size(32))); };
template <> struct Lanes<std::uint32_t> { using Type = std::uint32_t __attribute__((vector_size(64))); };
#endif

// sums[i] += weight × row[i], sixteen at a time where the compiler has vectors.
template <class Value, class Sum>
void AddWeighted(const Value* __restrict row, Sum weight, Sum* __restrict sums, size_t count)
{
    size_t i = 0;
#if defined(__GNUC__)
    using Values = typename Lanes<Value>::Type;
    using Sums = typename Lanes<Sum>::Type;
    for (; i + 16 <= count; i += 16) {
        Values values;
        Sums lanes;
        std::memcpy(&values, row + i, sizeof values);
        std::memcpy(&lanes, sums + i, sizeof lanes);
        lanes += __builtin_convertvector(values, Sums) * weight;
        std::memcpy(sums + i, &lanes, sizeof lanes);
    }
#endif
    for (; i < count; ++i)
        sums[i] += Sum(weight * row[i]);
}

// How the bytes of a stored pixel land in a 32-bit pixel of the copy: for each of its
// four bytes the stored byte it averages, or -1 for opaque.
struct BytePlan
{
    int bytes = 4;
    std::array<int, 4> from{0, 1, 2, 3};
};

// Pictures as decoded from camera files are read as they are; any other format is
// converted a few rows at a time.
std::optional<BytePlan> DirectPlan(QImage::Format format)
{
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied)
        return BytePlan{};
    if (format != QImage::Format_BGR888)
        return std::nullopt;
    constexpr bool little = std::endian::native == std::endian::little;
    BytePlan plan{3, {}};
    plan.from[little ? 0 : 3] = 0;  // blue
    plan.from[little ? 1 : 2] = 1;  // green
    plan.from[little ? 2 : 1] = 2;  // red
    plan.from[little ? 3 : 0] = -1; // alpha
    return plan;
}

// One row of the copy from the column sums of the rows it covers, `Bytes` to a pixel.
template <int Bytes>
void AverageAcross(const std::uint32_t* columns, const Taps& across, const BytePlan& plan,
                   uchar* out)
{
    const int width = int(across.first.size());
    for (int x = 0; x < width; ++x, out += 4) {
        std::uint64_t sums[Bytes] = {};
        const std::uint32_t* weight = &across.weights[size_t(across.start[size_t(x)])];
        const std::uint32_t* column = columns + size_t(across.first[size_t(x)]) * Bytes;
        for (int k = 0; k < across.count[size_t(x)]; ++k, column += Bytes)
            for (int c = 0; c < Bytes; ++c)
                sums[c] += std::uint64_t(weight[k]) * column[c];
        for (int c = 0; c < 4; ++c) {
            const int from = plan.from[size_t(c)];
            constexpr int kShift = 2 * kWeightBits;
            out[c] = from < 0 ? 255
                              : uchar((sums[from] + (std::uint64_t(1) << (kShift - 1))) >> kShift);
        }
    }
}

// Each pixel of the copy is the average of the area of the picture it covers, partly
// covered pixels weighted by how much of them it covers; premultiplied, so clear pixels
// add no colour. The picture is read a few rows at a time: a 32-bit copy of a whole
// camera picture would cost more to allocate than the averaging itself.
QImage AveragedForScreen(const QImage& picture, QSize size)
{
    const QImage::Format format = picture.hasAlphaChannel()
                                      ? QImage::Format_ARGB32_Premultiplied
                                      : QImage::Format_RGB32;
    QImage averaged(size, format);
    if (averaged.isNull())
        return {};
    const std::optional<BytePlan> direct = DirectPlan(picture.format());
    const BytePlan plan = direct.value_or(BytePlan{});
    const Taps across = TapsAlong(picture.width(), size.width());
    const Taps down = TapsAlong(picture.height(), size.height());
    uchar* const bits = averaged.bits();
    const qsizetype pitch = averaged.bytesPerLine();
    const qsizetype sourceBytes = picture.bytesPerLine() * picture.height() / size.height();
    ForRowBands(size.height(), sourceBytes, [&](int first, int end) {
        std::vector<std::uint32_t> columns(size_t(picture.width()) * plan.bytes);
        std::vector<std::uint16_t> plain(columns.size());
        for (int y = first; y < end; ++y) {
            const int top = down.first[size_t(y)], rows = down.count[size_t(y)];
            QImage converted;
            if (!direct) {
                QImage band(picture.constScanLine(top), picture.width(), rows,
                            picture.bytesPerLine(), picture.format());
                if (!picture.colorTable().isEmpty())
                    band.setColorTable(picture.colorTable());
                converted = band.convertToFormat(format);
            }
            const auto row = [&](int r) {
                return direct ? picture.constScanLine(top + r) : converted.constScanLine(r);
            };
            const std::uint32_t* weights = &down.weights[size_t(down.start[size_t(y)])];
            std::fill(columns.begin(), columns.end(), 0);
            // Rows between the first and the last are covered whole and weigh the same,
            // so they are added up before being weighted once.
            const bool inner = rows > 2 && rows - 2 <= kMaxPlainRows;
            for (int r = 0; r < rows; ++r)
                if (!inner || r == 0 || r == rows - 1)
                    AddWeighted(row(r), weights[r], columns.data(), columns.size());
            if (inner) {
                std::fill(plain.begin(), plain.end(), 0);
                for (int r = 1; r < rows - 1; ++r)
                    AddWeighted(row(r), std::uint16_t(1), plain.data(), plain.size());
                AddWeighted(plain.data(), weights[1], columns.data(), columns.size());
            }
            if (plan.bytes == 3)
                AverageAcross<3>(columns.data(), across, plan, bits + pitch * y);
            else
                AverageAcross<4>(columns.data(), across, plan, bits + pitch * y);
        }
    });
    return averaged;
}

} // namespace

QImage ScaledForScreen(const QImage& shown, QSize size)
{
    if (shown.isNull() || size.isEmpty())
        return {};
    if (size.width() <= shown.width() && size.height() <= shown.height())
        return AveragedForScreen(shown, size);
    const QImage scaled = shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull())
        return {};
    return scaled.convertToFormat(scaled.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
}

} // namespace PhotoPixels
