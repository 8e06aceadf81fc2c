#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>

// Decoded bitmaps built byte by byte, and their bytes read back, for the photo tests.
namespace PhotoTestKit {

// A 24-bit bitmap (blue, green, red) of one colour.
QImage Bitmap24(int width, int height, int blue, int green, int red);
// A 32-bit bitmap of one colour and alpha.
QImage Bitmap32(int width, int height, int blue, int green, int red, int alpha);
// The bytes of pixel (x, y): one, three or four of them.
QList<int> PixelBytes(const QImage& bitmap, int x, int y);
void SetPixelBytes(QImage& bitmap, int x, int y, const QList<int>& bytes);

} // namespace PhotoTestKit
