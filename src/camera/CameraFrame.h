#pragma once

#include <QByteArray>
#include <QImage>

// One frame as a camera hands it over: packed YUV 4:2:2 bytes (Y0 U Y1 V for every two
// pixels) with the frame's size and row length, or a picture the driver decoded itself.
struct CameraFrame
{
    int width = 0;
    int height = 0;
    qsizetype bytesPerLine = 0;   // 0: rows follow each other, width * 2 bytes each
    QByteArray packedYuv;
    QImage image;

    bool IsEmpty() const { return packedYuv.isEmpty() && image.isNull(); }
    // True when the bytes hold the whole frame (or the picture is there), so it converts.
    bool IsComplete() const;
    // The picture in 24-bit RGB, top row first; null when the frame is not complete.
    QImage ToImage() const;
};

namespace Yuv {

// Larger frames are not taken from any camera; the limit keeps the arithmetic in range.
inline constexpr int kMaxSide = 16384;

struct Rgb
{
    uchar r, g, b;
};

// One pixel by the integer formula, each channel clamped to 0..255.
constexpr Rgb ToRgb(int y, int u, int v)
{
    const int c = y - 16;
    const int d = u - 128;
    const int e = v - 128;
    const auto clamp = [](int value) {
        return uchar(value < 0 ? 0 : value > 255 ? 255 : value);
    };
    return {clamp((298 * c + 409 * e + 128) >> 8),
            clamp((298 * c - 100 * d - 208 * e + 128) >> 8),
            clamp((298 * c + 516 * d + 128) >> 8)};
}

// The bytes a frame of that size needs: the rows before the last at their full length
// and the last one's pixels. 0 when the size cannot be packed YUV 4:2:2 (not positive,
// an odd width, a side beyond kMaxSide, rows shorter than their pixels).
qsizetype PackedSize(int width, int height, qsizetype bytesPerLine);

// Converts a packed YUV 4:2:2 frame to 24-bit RGB, top row first. Null, having read
// nothing, when `length` is shorter than PackedSize() says or the size is refused.
QImage PackedToRgb(const uchar* data, qsizetype length, int width, int height,
                   qsizetype bytesPerLine = 0);

} // namespace Yuv
