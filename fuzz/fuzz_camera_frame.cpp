// A camera's frame arrives with a size the driver claims and as many bytes as it sent:
// the two need not agree. The conversion must never read past the bytes, and what comes
// back is nothing or a picture of exactly the claimed size.
#include "camera/CameraFrame.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Width, height and row length, two bytes each, then the frame's bytes.
    if (size < 6)
        return 0;
    const int width = data[0] | (data[1] << 8);
    const int height = data[2] | (data[3] << 8);
    const qsizetype bytesPerLine = data[4] | (data[5] << 8);
    // A copy of exactly the bytes left, so AddressSanitizer sees any read past them.
    const std::size_t length = size - 6;
    auto* frame = new std::uint8_t[length ? length : 1];
    for (std::size_t i = 0; i < length; ++i)
        frame[i] = data[6 + i];
    const QImage picture = Yuv::PackedToRgb(frame, qsizetype(length), width, height, bytesPerLine);
    delete[] frame;
    if (!picture.isNull()
        && (picture.width() != width || picture.height() != height
            || qsizetype(length) < Yuv::PackedSize(width, height, bytesPerLine)))
        __builtin_trap();
    return 0;
}
