// Showing a child: the enrollment row and the child's daily records of this month, out
// of five years of records for 200 children. Goal: under 50 ms, also in the Child Center
// with the child's camera photo in its frame; on a server within three times the file's.
#include "CameraPicture.h"
#include "RecordsDatabaseFixture.h"

#include "settings/ProgramState.h"
#include "records/view/ChildCenterView.h"

#include "platform/Clock.h"
#include "records/ChildRecords.h"
#include "records/DailyRecordTable.h"
#include "records/EnrollmentTable.h"
#include "records/DailyRecords.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

void BM_ShowChildAndListMonth(benchmark::State& state)
{
    BenchRecords::Engine engine;
    if (!BenchRecords::EngineOf(state, &engine))
        return;
    BenchRecords::EnsureFiveYearDatabase(engine);
    EnrollmentTable children;
    DailyRecordTable daily;
    int child = 0;
    for (auto _ : state) {
        const QString name = BenchRecords::ChildName(child++ % BenchRecords::kChildren);
        const auto shown = ChildRecords::FindChild(children, name);
        const auto month = DailyRecords::MonthRecords(daily, name, Clock::TodayUtc());
        benchmark::DoNotOptimize(shown);
        benchmark::DoNotOptimize(month);
        if (!shown || month.empty())
            state.SkipWithError("the child or its month was not found");
    }
}
BENCHMARK_EACH_ENGINE(BM_ShowChildAndListMonth);

void BM_AddDailyRecord(benchmark::State& state)
{
    BenchRecords::Engine engine;
    if (!BenchRecords::EngineOf(state, &engine))
        return;
    BenchRecords::EnsureFiveYearDatabase(engine);
    DailyRecordTable daily;
    DailyRecord record;
    record.childName = BenchRecords::ChildName(7);
    record.date = Clock::TodayUtc();
    for (auto _ : state)
        benchmark::DoNotOptimize(DailyRecords::AddRecord(daily, record));
}
BENCHMARK_EACH_ENGINE(BM_AddDailyRecord);

// Every child's folder holds a camera photo as the child's photo (links to one file).
void EnsureChildPhotos()
{
    static bool made = false;
    if (made)
        return;
    const QDir root(QDir(Program().programDir).filePath(QStringLiteral("Pictures")));
    root.mkpath(QStringLiteral("."));
    Program().picturesRoot = root.path();
    const QString original = root.filePath(QStringLiteral("camera.jpg"));
    MakeCameraPicture().save(original, "JPG", 90);
    for (int child = 0; child < BenchRecords::kChildren; ++child) {
        const QString name = BenchRecords::ChildName(child);
        root.mkpath(name);
        QFile::link(original, root.filePath(name + QLatin1Char('/') + name + ".jpg"));
    }
    made = true;
}

void BM_ShowChildInTheChildCenter(benchmark::State& state)
{
    BenchRecords::EnsureFiveYearDatabase();
    EnsureChildPhotos();
    ChildCenterView center;
    center.resize(1200, 800);
    center.show();
    int child = 0;
    for (auto _ : state) {
        const QString name = BenchRecords::ChildName(child++ % BenchRecords::kChildren);
        center.ShowFolder(QDir(Program().picturesRoot).filePath(name));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowChildInTheChildCenter)->Unit(benchmark::kMillisecond);

} // namespace
