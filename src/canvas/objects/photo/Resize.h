#pragma once

#include <QImage>
#include <QSize>
#include <vector>

// Changing a picture's size while keeping its format (and palette).
namespace PhotoPixels {

// Which source pixels one target pixel covers along one axis, and how much of each, in
// units of 1 / target length (so the weights of one target pixel sum to the source length).
struct Coverage
{
    int first = 0;
    std::vector<qint64> weights;
};
std::vector<Coverage> CoverageAlong(int sourceLength, int targetLength);

// Each target pixel takes the source pixel its top-left corner falls on, as a plain
// stretch does; used when neither side shrinks.
QImage Stretched(const QImage& picture, QSize size);

// Each target pixel is the average of the source area it covers, partly covered source
// pixels weighted by how much of them it covers. Palette pictures hold colour numbers,
// which cannot be averaged; they are sampled like Stretched.
QImage AreaAveraged(const QImage& picture, QSize size);

// The photo's resize: a stretch when neither side shrinks, else area averaging. A null
// image for an empty size or one that cannot be allocated.
QImage Resized(const QImage& picture, QSize size);

} // namespace PhotoPixels
