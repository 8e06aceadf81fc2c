#include "canvas/objects/photo/ChannelMaps.h"

#include "canvas/objects/photo/PixelRows.h"

namespace PhotoPixels {
namespace {

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
    ForRowBands(bitmap.height(), pitch, [&](int first, int end) {
        for (int y = first; y < end; ++y) {
            std::uint8_t* row = Row(data, pitch, y);
            for (qsizetype i = 0; i < used; ++i)
                row[i] = table[row[i]];
        }
    });
}

bool MapColourChannels(QImage& bitmap, const ByteTable& red, const ByteTable& green,
                       const ByteTable& blue)
{
    if (!IsColourBitmap(bitmap))
        return false;
    ForEachPixel(bitmap, [&](std::uint8_t* pixel) {
        pixel[0] = blue[pixel[0]];
        pixel[1] = green[pixel[1]];
        pixel[2] = red[pixel[2]];
    });
    return true;
}

bool AverageToGray(QImage& bitmap)
{
    if (!IsColourBitmap(bitmap))
        return false;
    ForEachPixel(bitmap, [](std::uint8_t* pixel) {
        const auto gray = std::uint8_t((pixel[0] + pixel[1] + pixel[2]) / 3);
        pixel[0] = pixel[1] = pixel[2] = gray;
    });
    return true;
}

} // namespace PhotoPixels
