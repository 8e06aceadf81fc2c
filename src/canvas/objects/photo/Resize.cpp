#include "canvas/objects/photo/Resize.h"

#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace PhotoPixels {

std::vector<Coverage> CoverageAlong(int sourceLength, int targetLength)
{
    std::vector<Coverage> cover(static_cast<size_t>(targetLength));
    for (int t = 0; t < targetLength; ++t) {
        // Target pixel t spans [t × s, (t + 1) × s) and source pixel j spans [j × d, (j + 1) × d).
        const qint64 from = qint64(t) * sourceLength, to = from + sourceLength;
        Coverage& c = cover[size_t(t)];
        c.first = int(from / targetLength);
        for (qint64 j = c.first; j * targetLength < to; ++j) {
            const qint64 left = std::max(from, j * targetLength);
            const qint64 right = std::min(to, (j + 1) * targetLength);
            c.weights.push_back(right - left);
        }
    }
    return cover;
}

QImage Stretched(const QImage& original, QSize size)
{
    const QImage picture = WholeBytePixels(original);
    QImage result = BlankLike(picture, size);
    if (result.isNull())
        return {};
    const int bytes = picture.depth() / 8;
    for (int y = 0; y < size.height(); ++y) {
        const uchar* from = picture.constScanLine(int(qint64(y) * picture.height() / size.height()));
        uchar* to = result.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            std::memcpy(to + x * bytes, from + qint64(x) * picture.width() / size.width() * bytes,
                        size_t(bytes));
    }
    return result;
}

QImage AreaAveraged(const QImage& original, QSize size)
{
    if (original.format() == QImage::Format_Indexed8)
        return Stretched(original, size);
    const QImage picture = WholeBytePixels(original);
    QImage result = BlankLike(picture, size);
    if (result.isNull())
        return {};
    const int bytes = picture.depth() / 8;
    const std::vector<Coverage> across = CoverageAlong(picture.width(), size.width());
    const std::vector<Coverage> down = CoverageAlong(picture.height(), size.height());
    const qint64 total = qint64(picture.width()) * picture.height();
    const qsizetype sourceBytes = qsizetype(picture.width()) * bytes;
    std::vector<qint64> columnSums(static_cast<size_t>(sourceBytes));
    std::vector<qint64> sums(static_cast<size_t>(bytes));
    for (int y = 0; y < size.height(); ++y) {
        // Each source column summed over the rows this target row covers...
        std::fill(columnSums.begin(), columnSums.end(), 0);
        const Coverage& rows = down[size_t(y)];
        for (size_t r = 0; r < rows.weights.size(); ++r) {
            const uchar* line = picture.constScanLine(rows.first + int(r));
            for (qsizetype i = 0; i < sourceBytes; ++i)
                columnSums[size_t(i)] += rows.weights[r] * line[i];
        }
        // ... then those sums over the columns each target pixel covers.
        uchar* to = result.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const Coverage& columns = across[size_t(x)];
            std::fill(sums.begin(), sums.end(), 0);
            for (size_t c = 0; c < columns.weights.size(); ++c)
                for (int b = 0; b < bytes; ++b)
                    sums[size_t(b)] += columns.weights[c] *
                                       columnSums[size_t((columns.first + int(c)) * bytes + b)];
            for (int b = 0; b < bytes; ++b)
                to[x * bytes + b] = uchar((sums[size_t(b)] + total / 2) / total);
        }
    }
    return result;
}

QImage Resized(const QImage& picture, QSize size)
{
    if (size.width() >= picture.width() && size.height() >= picture.height())
        return Stretched(picture, size);
    return AreaAveraged(picture, size);
}

} // namespace PhotoPixels
