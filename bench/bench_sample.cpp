// Making the sample center: every picture, record and newsletter. Goal: under 5 s, so
// the first `scripts/run` starts at once.
#include "sample/SampleCenter.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_MakeSampleCenter(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        state.ResumeTiming();
        const QString problem = SampleCenter::Make(home.filePath(QStringLiteral("center")),
                                                   QDate(2026, 3, 4));
        if (!problem.isEmpty())
            state.SkipWithError(qPrintable(problem));
    }
}
BENCHMARK(BM_MakeSampleCenter)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
