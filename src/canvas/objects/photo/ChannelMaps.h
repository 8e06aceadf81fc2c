#pragma once

#include <QImage>
#include <array>
#include <cstdint>

// Rules that change each pixel on its own: byte tables and the gray average.
namespace PhotoPixels {

using ByteTable = std::array<std::uint8_t, 256>;

// Every byte of every pixel through one table: the grey value of an 8-bit bitmap, all
// three bytes of a 24-bit one, all four (alpha too) of a 32-bit one. A palette bitmap
// holds colour numbers, not colours, so its palette goes through the table instead.
void MapEveryByte(QImage& bitmap, const ByteTable& table);

// Blue, green and red each through its own table, alpha untouched; 24 and 32 bits only.
bool MapColourChannels(QImage& bitmap, const ByteTable& red, const ByteTable& green,
                       const ByteTable& blue);

// Blue, green and red all become (blue + green + red) / 3; 24 and 32 bits only.
bool AverageToGray(QImage& bitmap);

} // namespace PhotoPixels
