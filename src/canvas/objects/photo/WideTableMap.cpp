#include "canvas/objects/photo/WideTableMap.h"

#include <atomic>
#include <cstring>

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#define TENDREL_WIDE_TABLES 1
#include <immintrin.h>
#endif

namespace PhotoPixels {
namespace {

std::atomic<bool> g_allowed{true};

#ifdef TENDREL_WIDE_TABLES
#define TENDREL_WIDE_TARGET __attribute__((target("avx512f,avx512bw,avx512vbmi")))

bool ProcessorHasWideTables()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vbmi");
}

// One table as four registers: entries 0..127 in the first pair, 128..255 in the second.
struct TableRegisters
{
    __m512i low0, low1, high0, high1;
};

TENDREL_WIDE_TARGET Q_ALWAYS_INLINE TableRegisters LoadTable(const std::uint8_t* table)
{
    return {_mm512_load_si512(table), _mm512_load_si512(table + 64), _mm512_load_si512(table + 128),
            _mm512_load_si512(table + 192)};
}

// 64 bytes, each through the table its lane belongs to.
TENDREL_WIDE_TARGET Q_ALWAYS_INLINE __m512i MapBlock(const TableRegisters* registers, const bool* used,
                                                     const std::uint64_t* lanes, int period, __m512i in)
{
    const __mmask64 upper = _mm512_movepi8_mask(in); // entries 128..255
    __m512i out = in;
    for (int t = 0; t < period; ++t) {
        if (!used[t])
            continue;
        const TableRegisters& r = registers[t];
        out = _mm512_mask_blend_epi8(lanes[t] & ~upper, out, _mm512_permutex2var_epi8(r.low0, in, r.low1));
        out = _mm512_mask_blend_epi8(lanes[t] & upper, out, _mm512_permutex2var_epi8(r.high0, in, r.high1));
    }
    return out;
}

TENDREL_WIDE_TARGET void MapRowWide(const std::uint8_t (*tables)[256], const bool* used,
                                    const std::uint64_t (*lanes)[4], int period, std::uint8_t* bytes,
                                    qsizetype count)
{
    TableRegisters registers[4];
    for (int t = 0; t < period; ++t)
        if (used[t])
            registers[t] = LoadTable(tables[t]);
    int phase = 0;
    qsizetype at = 0;
    for (; at + 64 <= count; at += 64, phase = (phase + 64) % period) {
        const __m512i in = _mm512_loadu_si512(bytes + at);
        _mm512_storeu_si512(bytes + at, MapBlock(registers, used, lanes[phase], period, in));
    }
    // Masked stores are slow on some processors: only the row's last bytes take one.
    if (at < count) {
        const __mmask64 live = (__mmask64(1) << (count - at)) - 1;
        const __m512i in = _mm512_maskz_loadu_epi8(live, bytes + at);
        _mm512_mask_storeu_epi8(bytes + at, live, MapBlock(registers, used, lanes[phase], period, in));
    }
}
#else
bool ProcessorHasWideTables()
{
    return false;
}
#endif

} // namespace

bool WideTableMap::Available()
{
    static const bool present = ProcessorHasWideTables();
    return present && g_allowed.load(std::memory_order_relaxed);
}

void WideTableMap::Allow(bool allowed)
{
    g_allowed = allowed;
}

WideTableMap::WideTableMap(const std::array<const ByteTable*, 4>& byPosition, int period)
    : m_period(qBound(1, period, 4))
{
    for (int t = 0; t < m_period; ++t) {
        if (!byPosition[size_t(t)])
            continue;
        std::memcpy(m_tables[t], byPosition[size_t(t)]->data(), 256);
        m_used[t] = true;
        for (int phase = 0; phase < m_period; ++phase)
            for (int lane = 0; lane < 64; ++lane)
                if ((phase + lane) % m_period == t)
                    m_lanes[phase][t] |= std::uint64_t(1) << lane;
    }
}

void WideTableMap::MapRow(std::uint8_t* bytes, qsizetype count) const
{
#ifdef TENDREL_WIDE_TABLES
    MapRowWide(m_tables, m_used, m_lanes, m_period, bytes, count);
#else
    Q_UNUSED(bytes);
    Q_UNUSED(count);
#endif
}

} // namespace PhotoPixels
