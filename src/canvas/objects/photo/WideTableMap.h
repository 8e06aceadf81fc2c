#pragma once

#include "canvas/objects/photo/ChannelMaps.h"

#include <QtGlobal>
#include <array>
#include <cstdint>

// Byte tables applied 64 bytes at a time with the byte-permute instructions some
// processors have (AVX-512 VBMI), where a whole 256-entry table is four registers.
namespace PhotoPixels {

class WideTableMap
{
public:
    // True when this processor has the instructions and they are not switched off.
    static bool Available();
    // Switches the wide path off and on, so tests can compare it with the plain one.
    static void Allow(bool allowed);

    // Byte i of a row goes through byPosition[i % period]; a null table leaves it as it
    // is. period is 1 to 4.
    WideTableMap(const std::array<const ByteTable*, 4>& byPosition, int period);

    // Only when Available().
    void MapRow(std::uint8_t* bytes, qsizetype count) const;

private:
    alignas(64) std::uint8_t m_tables[4][256] = {};
    // Lanes of a 64-byte block that take table t, for each phase of the period (the
    // position of the block's first byte).
    std::uint64_t m_lanes[4][4] = {};
    bool m_used[4] = {};
    int m_period;
};

} // namespace PhotoPixels
