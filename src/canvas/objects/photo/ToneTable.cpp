#include "canvas/objects/photo/ToneTable.h"

#include "canvas/objects/photo/PixelRows.h"

namespace PhotoPixels {

ByteTable ToneTable(int brightness, int contrast)
{
    ByteTable table{};
    for (int i = -128; i < 128; ++i) {
        const double value = i * (contrast + 100.0) / 100.0 + (brightness + 128.0) + 0.5;
        table[size_t(i + 128)] = TruncatedByte(value);
    }
    return table;
}

void AdjustTone(QImage& bitmap, int brightness, int contrast)
{
    MapEveryByte(bitmap, ToneTable(brightness, contrast));
}

} // namespace PhotoPixels
