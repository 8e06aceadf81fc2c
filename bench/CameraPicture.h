#pragma once

#include <QImage>
#include <algorithm>
#include <cstdint>

// A 4000 × 3000 picture, 24 bits: smooth gradients with sensor noise, like a photo rather
// than a flat test card. More noise makes a larger JPEG, slower to decode, as a camera's.
inline QImage MakeCameraPicture(int noiseAmplitude = 16)
{
    constexpr int kWidth = 4000, kHeight = 3000;
    QImage made(kWidth, kHeight, QImage::Format_BGR888);
    std::uint32_t noise = 12345;
    for (int y = 0; y < kHeight; ++y) {
        uchar* row = made.scanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int jitter = int((noise >> 16) % unsigned(noiseAmplitude)) - noiseAmplitude / 2;
            row[3 * x] = uchar(std::clamp(x * 255 / kWidth + jitter, 0, 255));
            row[3 * x + 1] = uchar(std::clamp(y * 255 / kHeight + jitter, 0, 255));
            row[3 * x + 2] =
                uchar(std::clamp((x + y) * 255 / (kWidth + kHeight) - jitter, 0, 255));
        }
    }
    return made;
}
