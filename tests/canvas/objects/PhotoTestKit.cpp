#include "PhotoTestKit.h"

namespace PhotoTestKit {

QImage Bitmap(int width, int height, const QList<int>& bytes)
{
    QImage bitmap(width, height, bytes.size() == 4 ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixelBytes(bitmap, x, y, bytes);
    return bitmap;
}

QList<int> PixelBytes(const QImage& bitmap, int x, int y)
{
    const int count = bitmap.depth() / 8;
    const uchar* pixel = bitmap.constScanLine(y) + x * count;
    QList<int> bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(pixel[i]);
    return bytes;
}

void SetPixelBytes(QImage& bitmap, int x, int y, const QList<int>& bytes)
{
    uchar* pixel = bitmap.scanLine(y) + x * (bitmap.depth() / 8);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        pixel[i] = uchar(bytes[i]);
}

} // namespace PhotoTestKit
