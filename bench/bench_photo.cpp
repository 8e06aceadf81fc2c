// Photo adjustments on a camera-sized picture: 4000 × 3000, 24 bits.
// Goals against BM_Memcpy (one copy of the same pixels): the table rules (tone, colour
// balance, gray) within 2×, saturation within 15×, blur and soften within 10×.
// The rules run on every core, so times are wall-clock.

#include "CameraPicture.h"
#include "canvas/objects/photo/AlphaEffects.h"
#include "canvas/objects/photo/Blur.h"
#include "canvas/objects/photo/ChannelMaps.h"
#include "canvas/objects/photo/ColourBalance.h"
#include "canvas/objects/photo/Saturation.h"
#include "canvas/objects/photo/Soften.h"
#include "canvas/objects/photo/ToneTable.h"
#include "canvas/objects/photo/WideTableMap.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

const QImage& CameraPicture()
{
    static const QImage picture = MakeCameraPicture();
    return picture;
}

// Times `rule` on a fresh copy of the picture each round. Copying, and freeing a
// picture the rule replaced, are not timed; allocations the rule makes itself are. An
// unreplaced picture is copied over, so rounds do not wait on the system for memory.
template <class Rule>
void OnFreshCopy(benchmark::State& state, Rule rule)
{
    const QImage& source = CameraPicture();
    QImage picture;
    for (auto _ : state) {
        state.PauseTiming();
        if (picture.size() != source.size() || picture.format() != source.format())
            picture = QImage(source.size(), source.format());
        std::memcpy(picture.bits(), source.constBits(), size_t(source.sizeInBytes()));
        state.ResumeTiming();
        rule(picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void BM_Memcpy(benchmark::State& state)
{
    const QImage& source = CameraPicture();
    QImage target(source.size(), source.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), size_t(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
}

void BM_Tone(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { PhotoPixels::AdjustTone(p, 10, 10); });
}

void BM_Saturation(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { PhotoPixels::AdjustSaturation(p, 25); });
}

void BM_Balance(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { PhotoPixels::BalanceColours(p, 1.2f, 1.0f, 0.8f); });
}

// The table rules as processors without 64-byte table lookups run them.
template <class Rule>
void WithoutWideTables(benchmark::State& state, Rule rule)
{
    PhotoPixels::WideTableMap::Allow(false);
    OnFreshCopy(state, rule);
    PhotoPixels::WideTableMap::Allow(true);
}

void BM_TonePlain(benchmark::State& state)
{
    WithoutWideTables(state, [](QImage& p) { PhotoPixels::AdjustTone(p, 10, 10); });
}

void BM_BalancePlain(benchmark::State& state)
{
    WithoutWideTables(state, [](QImage& p) { PhotoPixels::BalanceColours(p, 1.2f, 1.0f, 0.8f); });
}

void BM_Gray(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { PhotoPixels::AverageToGray(p); });
}

void BM_Blur(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { PhotoPixels::Blur(p); });
}

void BM_Soften(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { PhotoPixels::Soften(p); });
}

void BM_CircleFade(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { p = PhotoPixels::CircleFaded(p); });
}

void BM_Bevel(benchmark::State& state)
{
    OnFreshCopy(state, [](QImage& p) { p = PhotoPixels::Bevelled(p); });
}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Tone)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Saturation)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Balance)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TonePlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BalancePlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Gray)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Blur)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Soften)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CircleFade)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Bevel)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
