#pragma once

#include <QImage>
#include <QPolygon>
#include <cstdint>

// A torn paper edge: a jagged outline inside the picture, transparent outside it.
namespace PhotoPixels {

// A small generator with the 15-bit range (0..32767) the jitter rule is written for,
// the same sequence on every platform for a given seed.
class JitterRandom
{
public:
    explicit JitterRandom(std::uint32_t seed) : m_state(seed) {}
    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return int((m_state >> 16) & 0x7fff);
    }

private:
    std::uint32_t m_state;
};

// The jagged outline of a w × h picture, 5 to 6 pixels in from each side.
QPolygon TornEdgeOutline(int w, int h, std::uint32_t seed);

// A 32-bit copy of a 24- or 32-bit bitmap in which pixels outside the outline (odd-even
// rule) are transparent black and pixels inside are opaque; null for other depths.
QImage TornEdged(const QImage& bitmap, std::uint32_t seed);

} // namespace PhotoPixels
