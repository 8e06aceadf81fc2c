#pragma once

#include <QImage>
#include <vector>

// A separable Gaussian blur: every row first, then every column, each byte position of
// a pixel on its own.
namespace PhotoPixels {

// The weights for a strength: deviation s = |strength / 2| + 0.25, 2 × ceil(2s − 0.5) + 1
// taps (5 for strength 2), sampled in fiftieths of a pixel, summing to 1.
std::vector<float> BlurKernel(float strength);

// Blurs a 24- or 32-bit bitmap with the given kernel; false for other depths. Each
// output is the weighted sum of its sources plus 0.5, truncated; near the ends of a line
// only the taps that land inside it count, and the sum is divided by their weight.
bool Blur(QImage& bitmap, const std::vector<float>& kernel);

// The photo's blur, strength 2.
bool Blur(QImage& bitmap);

} // namespace PhotoPixels
