#include "canvas/objects/photo/ChannelMaps.h"

#include "canvas/objects/photo/PixelRows.h"

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

// Per-channel tables for whole rows: two pixels (six bytes) of a 24-bit row are three
// pairs, one pixel of a 32-bit row is two.
class CChannelPairs
{
public:
    CChannelPairs(const ByteTable& blue, const ByteTable& green, const ByteTable& red, bool withAlpha)
        : m_withAlpha(withAlpha), m_blue(blue), m_green(green), m_red(red)
    {
        ByteTable same{};
        for (int i = 0; i < 256; ++i)
            same[size_t(i)] = std::uint8_t(i);
        if (withAlpha) {
            m_pairs = {PairTable(blue, green), PairTable(red, same)};
        } else {
            m_pairs = {PairTable(blue, green), PairTable(red, blue), PairTable(green, red)};
        }
    }

    void MapRow(std::uint8_t* row, int width) const
    {
        int x = 0;
        if constexpr (std::endian::native == std::endian::little)
            x = MapWholeWords(row, width);
        row += qsizetype(x) * (m_withAlpha ? 4 : 3);
        if (m_withAlpha) {
            for (; x < width; ++x, row += 4) {
                MapPair(row, m_pairs[0]);
                MapPair(row + 2, m_pairs[1]);
            }
            return;
        }
        for (; x + 2 <= width; x += 2, row += 6) {
            MapPair(row, m_pairs[0]);
            MapPair(row + 2, m_pairs[1]);
            MapPair(row + 4, m_pairs[2]);
        }
        if (x < width) {
            row[0] = m_blue[row[0]];
            row[1] = m_green[row[1]];
            row[2] = m_red[row[2]];
        }
    }

private:
    // Four pairs in one 64-bit word, the first byte lowest.
    static std::uint64_t MapWord(std::uint64_t word, const std::uint16_t* a, const std::uint16_t* b,
                                 const std::uint16_t* c, const std::uint16_t* d)
    {
        return std::uint64_t(a[word & 0xffff]) | std::uint64_t(b[(word >> 16) & 0xffff]) << 16 |
               std::uint64_t(c[(word >> 32) & 0xffff]) << 32 | std::uint64_t(d[word >> 48]) << 48;
    }

    // As many pixels as fill whole words; returns how many were done.
    int MapWholeWords(std::uint8_t* row, int width) const
    {
        const std::uint16_t* p0 = m_pairs[0].data();
        const std::uint16_t* p1 = m_pairs[1].data();
        int x = 0;
        std::uint64_t word;
        if (m_withAlpha) {
            for (; x + 2 <= width; x += 2, row += 8) {
                std::memcpy(&word, row, 8);
                word = MapWord(word, p0, p1, p0, p1);
                std::memcpy(row, &word, 8);
            }
            return x;
        }
        // Four pixels are twelve bytes: six pairs, blue-green, red-blue, green-red twice.
        const std::uint16_t* p2 = m_pairs[2].data();
        for (; x + 4 <= width; x += 4, row += 12) {
            std::uint32_t tail;
            std::memcpy(&word, row, 8);
            std::memcpy(&tail, row + 8, 4);
            word = MapWord(word, p0, p1, p2, p0);
            tail = std::uint32_t(p1[tail & 0xffff]) | std::uint32_t(p2[tail >> 16]) << 16;
            std::memcpy(row, &word, 8);
            std::memcpy(row + 8, &tail, 4);
        }
        return x;
    }

    bool m_withAlpha;
    const ByteTable& m_blue;
    const ByteTable& m_green;
    const ByteTable& m_red;
    std::vector<std::vector<std::uint16_t>> m_pairs;
};

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
    const qsizetype pitch = bitmap.bytesPerLine();
    std::uint8_t* data = bitmap.bits();
    const std::vector<std::uint16_t> pairs = PairTable(table);
    ForRowBands(bitmap.height(), pitch, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            MapRun(Row(data, pitch, y), used, pairs.data(), table);
    });
}

bool MapColourChannels(QImage& bitmap, const ByteTable& red, const ByteTable& green,
                       const ByteTable& blue)
{
    if (!IsColourBitmap(bitmap))
        return false;
    const CChannelPairs pairs(blue, green, red, BitsPerPixel(bitmap) == 32);
    const int width = bitmap.width();
    const qsizetype pitch = bitmap.bytesPerLine();
    std::uint8_t* bits = bitmap.bits();
    ForRowBands(bitmap.height(), pitch, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            pairs.MapRow(Row(bits, pitch, y), width);
    });
    return true;
}

bool AverageToGray(QImage& bitmap)
{
    if (!IsColourBitmap(bitmap))
        return false;
    const bool withAlpha = BitsPerPixel(bitmap) == 32;
    const int width = bitmap.width();
    const qsizetype pitch = bitmap.bytesPerLine();
    std::uint8_t* bits = bitmap.bits();
    ForRowBands(bitmap.height(), pitch, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            (withAlpha ? GrayRow32 : GrayRow24)(Row(bits, pitch, y), width);
    });
    return true;
}

} // namespace PhotoPixels
