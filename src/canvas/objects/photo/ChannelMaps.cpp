#include "canvas/objects/photo/ChannelMaps.h"

#include "canvas/objects/photo/PixelRows.h"
#include "canvas/objects/photo/WideTableMap.h"

#include <bit>
#include <cstring>
#include <vector>

namespace PhotoPixels {
namespace {

// Two neighbouring bytes through their tables at once: entry (first | second << 8)
// holds both mapped the same way round. Half the lookups of a byte at a time.
std::vector<std::uint16_t> PairTable(const ByteTable& first, const ByteTable& second)
{
    std::vector<std::uint16_t> pairs(size_t(1) << 16);
    for (size_t v = 0; v < pairs.size(); ++v)
        pairs[v] = std::uint16_t(first[v & 0xff] | (second[v >> 8] << 8));
    return pairs;
}

std::vector<std::uint16_t> PairTable(const ByteTable& table)
{
    return PairTable(table, table);
}

void MapPair(std::uint8_t* bytes, const std::vector<std::uint16_t>& pairs)
{
    const std::uint16_t mapped = pairs[size_t(bytes[0] | (bytes[1] << 8))];
    bytes[0] = std::uint8_t(mapped & 0xff);
    bytes[1] = std::uint8_t(mapped >> 8);
}

// Every byte of a run through one table, eight at a time.
void MapRun(std::uint8_t* bytes, qsizetype count, const std::uint16_t* pairs, const ByteTable& table)
{
    qsizetype i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        const std::uint64_t mapped = std::uint64_t(pairs[word & 0xffff]) |
                                     std::uint64_t(pairs[(word >> 16) & 0xffff]) << 16 |
                                     std::uint64_t(pairs[(word >> 32) & 0xffff]) << 32 |
                                     std::uint64_t(pairs[word >> 48]) << 48;
        std::memcpy(bytes + i, &mapped, 8);
    }
    for (; i < count; ++i)
        bytes[i] = table[bytes[i]];
}

// Per-channel tables for whole rows: each pixel's blue and green go through one table
// of pairs and its red through the red table, alpha untouched.
class ChannelTables
{
public:
    ChannelTables(const ByteTable& blue, const ByteTable& green, const ByteTable& red, int step)
        : m_blueGreen(PairTable(blue, green)), m_red(red), m_step(step)
    {
    }

    void MapRow(std::uint8_t* row, int width) const
    {
        int x = 0;
        if constexpr (std::endian::native == std::endian::little)
            x = m_step == 4 ? MapWords32(row, width) : MapWords24(row, width);
        for (row += qsizetype(x) * m_step; x < width; ++x, row += m_step) {
            MapPair(row, m_blueGreen);
            row[2] = m_red[row[2]];
        }
    }

private:
    // Whole 64-bit words at a time, the first byte lowest; each returns the pixels done.
    int MapWords24(std::uint8_t* row, int width) const
    {
        // Four pixels are twelve bytes: blue-green pairs at 0, 3, 6 and 9, reds at 2, 5, 8, 11.
        const std::uint16_t* bg = m_blueGreen.data();
        const ByteTable& r = m_red;
        int x = 0;
        for (; x + 4 <= width; x += 4, row += 12) {
            std::uint64_t word;
            std::uint32_t tail;
            std::memcpy(&word, row, 8);
            std::memcpy(&tail, row + 8, 4);
            word = std::uint64_t(bg[word & 0xffff]) | std::uint64_t(r[(word >> 16) & 0xff]) << 16 |
                   std::uint64_t(bg[(word >> 24) & 0xffff]) << 24 |
                   std::uint64_t(r[(word >> 40) & 0xff]) << 40 | std::uint64_t(bg[word >> 48]) << 48;
            tail = std::uint32_t(r[tail & 0xff]) | std::uint32_t(bg[(tail >> 8) & 0xffff]) << 8 |
                   std::uint32_t(r[tail >> 24]) << 24;
            std::memcpy(row, &word, 8);
            std::memcpy(row + 8, &tail, 4);
        }
        return x;
    }

    int MapWords32(std::uint8_t* row, int width) const
    {
        // Two pixels are eight bytes: blue-green pairs at 0 and 4, reds at 2 and 6.
        const std::uint16_t* bg = m_blueGreen.data();
        const ByteTable& r = m_red;
        constexpr std::uint64_t kAlphas = 0xff000000ff000000ull;
        int x = 0;
        for (; x + 2 <= width; x += 2, row += 8) {
            std::uint64_t word;
            std::memcpy(&word, row, 8);
            word = std::uint64_t(bg[word & 0xffff]) | std::uint64_t(r[(word >> 16) & 0xff]) << 16 |
                   std::uint64_t(bg[(word >> 32) & 0xffff]) << 32 |
                   std::uint64_t(r[(word >> 48) & 0xff]) << 48 | (word & kAlphas);
            std::memcpy(row, &word, 8);
        }
        return x;
    }

    std::vector<std::uint16_t> m_blueGreen;
    const ByteTable& m_red;
    int m_step;
};

// The gray average of one row, with the pixel size fixed so the loop can be vectorised.
template <int Step>
void GrayRow(std::uint8_t* __restrict row, int width)
{
    for (int x = 0; x < width; ++x) {
        std::uint8_t* pixel = row + Step * x;
        const auto gray = std::uint8_t((pixel[0] + pixel[1] + pixel[2]) / 3);
        pixel[0] = pixel[1] = pixel[2] = gray;
    }
}

TENDREL_VECTOR_CLONES
void GrayRow24(std::uint8_t* row, int width)
{
    GrayRow<3>(row, width);
}

TENDREL_VECTOR_CLONES
void GrayRow32(std::uint8_t* row, int width)
{
    GrayRow<4>(row, width);
}

QRgb MapPaletteEntry(QRgb colour, const ByteTable& table)
{
    return qRgba(table[qRed(colour)], table[qGreen(colour)], table[qBlue(colour)],
                 table[qAlpha(colour)]);
}

} // namespace

void MapEveryByte(QImage& bitmap, const ByteTable& table)
{
    if (bitmap.format() == QImage::Format_Indexed8) {
        QList<QRgb> palette = bitmap.colorTable();
        for (QRgb& colour : palette)
            colour = MapPaletteEntry(colour, table);
        bitmap.setColorTable(palette);
        return;
    }
    const int bits = BitsPerPixel(bitmap);
    if (bits == 0)
        return;
    const qsizetype used = qsizetype(bitmap.width()) * bits / 8;
    if (WideTableMap::Available()) {
        const WideTableMap wide({&table}, 1);
        ForEachRow(bitmap, [&](std::uint8_t* row) { wide.MapRow(row, used); });
        return;
    }
    const std::vector<std::uint16_t> pairs = PairTable(table);
    ForEachRow(bitmap, [&](std::uint8_t* row) { MapRun(row, used, pairs.data(), table); });
}

bool MapColourChannels(QImage& bitmap, const ByteTable& red, const ByteTable& green,
                       const ByteTable& blue)
{
    if (!IsColourBitmap(bitmap))
        return false;
    const int step = BitsPerPixel(bitmap) / 8;
    const int width = bitmap.width();
    if (WideTableMap::Available()) {
        const WideTableMap wide({&blue, &green, &red, nullptr}, step);
        ForEachRow(bitmap, [&](std::uint8_t* row) { wide.MapRow(row, qsizetype(width) * step); });
        return true;
    }
    const ChannelTables tables(blue, green, red, step);
    ForEachRow(bitmap, [&](std::uint8_t* row) { tables.MapRow(row, width); });
    return true;
}

bool AverageToGray(QImage& bitmap)
{
    if (!IsColourBitmap(bitmap))
        return false;
    const auto grayRow = BitsPerPixel(bitmap) == 32 ? GrayRow32 : GrayRow24;
    const int width = bitmap.width();
    ForEachRow(bitmap, [&](std::uint8_t* row) { grayRow(row, width); });
    return true;
}

} // namespace PhotoPixels
