#pragma once

#include "canvas/objects/photo/ChannelMaps.h"

// Brightness and contrast in one byte table.
namespace PhotoPixels {

// Entry i + 128 = i × (contrast + 100) / 100 + (brightness + 128) + 0.5, truncated and
// clamped to a byte, for i from -128 to 127.
ByteTable ToneTable(int brightness, int contrast);

// Every byte of every pixel through ToneTable(brightness, contrast).
void AdjustTone(QImage& bitmap, int brightness, int contrast);

} // namespace PhotoPixels
