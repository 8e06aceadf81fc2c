// The tuition list of a large center: 200 children, each with ten years of weekly rows.
// Reading it, painting its pages (goal: under 100 ms) and writing its PDF (under 1 s).

#include "RecordsDatabaseFixture.h"

#include "reports/MonthReport.h"
#include "reports/ReportFiles.h"
#include "settings/ProgramState.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

MonthReport& TuitionListOfThisMonth()
{
    static MonthReport* report = [] {
        BenchRecords::EnsureTenYearsOfWeeks();
        auto* made = new MonthReport;
        made->SetKind(ReportKind::TuitionList);
        made->Load();
        return made;
    }();
    return *report;
}

// Every payment row read once and added up per child.
void BM_TuitionListRead(benchmark::State& state)
{
    MonthReport& report = TuitionListOfThisMonth();
    for (auto _ : state)
        benchmark::DoNotOptimize(report.Load());
    state.counters["children"] = double(report.ListRows().size());
}
BENCHMARK(BM_TuitionListRead)->Unit(benchmark::kMillisecond);

// Every page of the list painted, as the Reports center paints it.
void BM_TuitionListPaint(benchmark::State& state)
{
    MonthReport& report = TuitionListOfThisMonth();
    QImage page(MonthReport::kPageSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int index = 0; index < report.PageCount(); ++index) {
            page.fill(Qt::white);
            QPainter painter(&page);
            report.PaintPage(painter, index);
        }
    }
    state.counters["pages"] = report.PageCount();
}
BENCHMARK(BM_TuitionListPaint)->Unit(benchmark::kMillisecond);

void BM_TuitionListPdf(benchmark::State& state)
{
    MonthReport& report = TuitionListOfThisMonth();
    const QString path = QDir(Program().programDir).filePath(QStringLiteral("TuitionList.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportFiles::WritePdf(report, path));
}
BENCHMARK(BM_TuitionListPdf)->Unit(benchmark::kMillisecond);

} // namespace
