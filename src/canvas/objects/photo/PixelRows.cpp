#include "canvas/objects/photo/PixelRows.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

namespace PhotoPixels {
namespace {

std::atomic<unsigned> g_bandLimit{0};

void AddAlphaToRow(const std::uint8_t* __restrict source, std::uint8_t* __restrict target,
                   int width, std::uint8_t alpha)
{
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // Four bytes read per pixel, the fourth replaced; the last pixel is done byte by
        // byte so no read goes past the row.
        const std::uint32_t top = std::uint32_t(alpha) << 24;
        for (; x + 1 < width; ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, source + 3 * x, 4);
            pixel = (pixel & 0xffffffu) | top;
            std::memcpy(target + 4 * x, &pixel, 4);
        }
    }
    for (; x < width; ++x) {
        target[4 * x] = source[3 * x];
        target[4 * x + 1] = source[3 * x + 1];
        target[4 * x + 2] = source[3 * x + 2];
        target[4 * x + 3] = alpha;
    }
}

} // namespace

int BitsPerPixel(const QImage& bitmap)
{
    switch (bitmap.format()) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Indexed8: return 8;
    case QImage::Format_BGR888: return 24;
    case QImage::Format_ARGB32: return 32;
    default: return 0;
    }
}

bool IsColourBitmap(const QImage& bitmap)
{
    const int bits = BitsPerPixel(bitmap);
    return bits == 24 || bits == 32;
}

QImage WithAlphaChannel(const QImage& bitmap, std::uint8_t alpha)
{
    QImage result(bitmap.size(), QImage::Format_ARGB32);
    if (result.isNull() || bitmap.format() != QImage::Format_BGR888)
        return {};
    const std::uint8_t* from = bitmap.constBits();
    std::uint8_t* to = result.bits();
    const qsizetype fromPitch = bitmap.bytesPerLine(), toPitch = result.bytesPerLine();
    const int width = bitmap.width();
    ForRowBands(bitmap.height(), toPitch, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            AddAlphaToRow(from + fromPitch * y, Row(to, toPitch, y), width, alpha);
    });
    return result;
}

QImage AsAlphaBitmap(const QImage& bitmap)
{
    return BitsPerPixel(bitmap) == 32 ? bitmap : WithAlphaChannel(bitmap, 255);
}

QImage WholeBytePixels(const QImage& picture)
{
    return picture.depth() % 8 == 0 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
}

QImage BlankLike(const QImage& picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    QImage blank(size, picture.format());
    if (!blank.isNull())
        blank.setColorTable(picture.colorTable());
    return blank;
}

void LimitBands(unsigned maxBands)
{
    g_bandLimit = maxBands;
}

std::vector<PixelRowBand> RowBands(int rows, qsizetype bytesPerRow)
{
    constexpr unsigned kMaxBands = 8;
    if (rows <= 0)
        return {};
    const unsigned limit = g_bandLimit;
    const unsigned cores =
        limit ? limit : std::clamp(std::thread::hardware_concurrency(), 1u, kMaxBands);
    // Below this a thread costs more than it saves, unless a limit asks for bands.
    const qsizetype minBandBytes = limit ? 1 : 512 * 1024;
    const qsizetype byBytes = std::max<qsizetype>(1, bytesPerRow * rows / minBandBytes);
    const int count = int(std::min<qsizetype>({qsizetype(cores), qsizetype(rows), byBytes}));
    std::vector<PixelRowBand> bands;
    for (int band = 0; band < count; ++band)
        bands.push_back({int(qint64(rows) * band / count), int(qint64(rows) * (band + 1) / count)});
    return bands;
}

void RunBands(const std::vector<PixelRowBand>& bands, const RowBandWork& work)
{
    if (bands.empty())
        return;
    std::vector<std::thread> helpers;
    size_t inlineFrom = bands.size(); // bands that could not get a thread run here
    for (size_t band = 1; band < bands.size(); ++band) {
        try {
            helpers.emplace_back(work, bands[band].first, bands[band].end);
        } catch (const std::system_error&) {
            inlineFrom = band;
            break;
        }
    }
    work(bands[0].first, bands[0].end);
    for (size_t band = inlineFrom; band < bands.size(); ++band)
        work(bands[band].first, bands[band].end);
    for (std::thread& helper : helpers)
        helper.join();
}

BandMargins::BandMargins(const QImage& bitmap, const std::vector<PixelRowBand>& bands, int reach)
    : m_bitmap(bitmap), m_reach(reach)
{
    const qsizetype pitch = bitmap.bytesPerLine();
    for (const PixelRowBand& band : bands) {
        m_firstRows.push_back(band.first);
        std::vector<std::uint8_t> saved(size_t(2 * reach) * size_t(pitch));
        for (int i = 0; i < reach; ++i) {
            const int above = band.first - reach + i, below = band.end + i;
            if (above >= 0)
                std::memcpy(saved.data() + pitch * i, bitmap.constScanLine(above), size_t(pitch));
            if (below < bitmap.height())
                std::memcpy(saved.data() + pitch * (reach + i), bitmap.constScanLine(below), size_t(pitch));
        }
        m_saved.push_back(std::move(saved));
    }
}

const std::uint8_t* BandMargins::Row(const PixelRowBand& band, int y) const
{
    if (y >= band.first && y < band.end)
        return m_bitmap.constScanLine(y);
    const auto at = std::find(m_firstRows.begin(), m_firstRows.end(), band.first);
    const std::vector<std::uint8_t>& saved = m_saved[size_t(at - m_firstRows.begin())];
    const int slot = y < band.first ? y - (band.first - m_reach) : m_reach + (y - band.end);
    return saved.data() + m_bitmap.bytesPerLine() * slot;
}

void ForRowBands(int rows, qsizetype bytesPerRow, const RowBandWork& work)
{
    RunBands(RowBands(rows, bytesPerRow), work);
}

} // namespace PhotoPixels
