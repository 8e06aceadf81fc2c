#pragma once

#include "canvas/objects/photo/ChannelMaps.h"

// Colour balance: a gamma curve per channel.
namespace PhotoPixels {

// Entry i = 255 × (i / 255)^(1 / factor), by the rule pow(i, g) / (255^g / 255) with
// g = 1 / factor, truncated and clamped; factor must be above 0.
ByteTable BalanceTable(float factor);

// Red, green and blue through their tables, alpha untouched. False, and nothing
// changed, unless the bitmap has 24 or 32 bits and every factor is above 0.
bool BalanceColours(QImage& bitmap, float red, float green, float blue);

} // namespace PhotoPixels
