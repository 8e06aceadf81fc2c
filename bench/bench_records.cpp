// Showing a child: the enrollment row and the child's daily records of this month, out
// of five years of records for 200 children. Goal: under 50 ms.
#include "RecordsDatabaseFixture.h"

#include "platform/Clock.h"
#include "records/ChildRecords.h"
#include "records/DBChildDailyRecordSet.h"
#include "records/DBVChildInfoSet.h"
#include "records/DailyRecords.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ShowChildAndListMonth(benchmark::State& state)
{
    BenchRecords::EnsureFiveYearDatabase();
    CDBVChildInfoSet children;
    CDBChildDailyRecordSet daily;
    int child = 0;
    for (auto _ : state) {
        const QString name = BenchRecords::ChildName(child++ % BenchRecords::kChildren);
        const auto shown = ChildRecords::FindChild(children, name);
        const auto month = DailyRecords::MonthRecords(daily, name, CClock::TodayUtc());
        benchmark::DoNotOptimize(shown);
        benchmark::DoNotOptimize(month);
        if (!shown || month.empty())
            state.SkipWithError("the child or its month was not found");
    }
}
BENCHMARK(BM_ShowChildAndListMonth)->Unit(benchmark::kMillisecond);

void BM_AddDailyRecord(benchmark::State& state)
{
    BenchRecords::EnsureFiveYearDatabase();
    CDBChildDailyRecordSet daily;
    CDailyRecord record;
    record.childName = BenchRecords::ChildName(7);
    record.date = CClock::TodayUtc();
    for (auto _ : state)
        benchmark::DoNotOptimize(DailyRecords::AddRecord(daily, record));
}
BENCHMARK(BM_AddDailyRecord)->Unit(benchmark::kMillisecond);

} // namespace
