#pragma once

#include <QImage>
#include <QList>

// Decoded bitmaps built byte by byte, and their bytes read back, for the photo tests.
namespace PhotoTestKit {

// A bitmap of one colour: three bytes (blue, green, red) give 24 bits, four (with alpha) 32.
QImage Bitmap(int width, int height, const QList<int>& bytes);
// The bytes of pixel (x, y): one, three or four of them.
QList<int> PixelBytes(const QImage& bitmap, int x, int y);
void SetPixelBytes(QImage& bitmap, int x, int y, const QList<int>& bytes);

} // namespace PhotoTestKit
