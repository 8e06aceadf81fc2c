// A tuition statement is worked out again at every paint of the page, so it must stay
// quick for a child who has been at the center for ten years, on a server too (within
// three times the file's figures).

#include "RecordsDatabaseFixture.h"

#include "settings/ProgramSettings.h"
#include "platform/Clock.h"
#include "records/PaymentTable.h"
#include "records/EnrollmentTable.h"
#include "tuition/StatementObject.h"
#include "tuition/StatementFigures.h"
#include "tuition/WeeklyPayments.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using BenchRecords::ChildName;
using BenchRecords::kChildren;
using BenchRecords::EnsureTenYearsOfWeeks;

// What a paint of the statement reads and adds up: the child's rows, then the month.
void BM_StatementOfTenYears(benchmark::State& state)
{
    BenchRecords::Engine engine;
    if (!BenchRecords::EngineOf(state, &engine))
        return;
    EnsureTenYearsOfWeeks(engine);
    const QDate today = Clock::TodayUtc();
    PaymentTable payments;
    payments.Open();
    int child = 0;
    for (auto _ : state) {
        payments.SelectChild(ChildName(child));
        const StatementFigures figures =
            TuitionStatement::Figures(payments, today.year(), today.month());
        benchmark::DoNotOptimize(figures.TotalDue());
        child = (child + 1) % kChildren;
    }
    state.counters["rows"] = payments.GetRecordCount();
}
BENCHMARK_EACH_ENGINE(BM_StatementOfTenYears);

// A whole paint of the statement on the page: rows read, added up and drawn.
void BM_StatementPaint(benchmark::State& state)
{
    BenchRecords::Engine engine;
    if (!BenchRecords::EngineOf(state, &engine))
        return;
    EnsureTenYearsOfWeeks(engine);
    const QDate today = Clock::TodayUtc();
    StatementObject sheet(PageRect{0, 0, StatementObject::kWidth, StatementObject::kHeight});
    QImage page(StatementObject::kWidth, StatementObject::kHeight,
                QImage::Format_ARGB32_Premultiplied);
    int child = 0;
    for (auto _ : state) {
        sheet.Choose(ChildName(child), today.year(), today.month());
        page.fill(Qt::white);
        QPainter painter(&page);
        sheet.DrawStatement(painter);
        child = (child + 1) % kChildren;
    }
}
BENCHMARK_EACH_ENGINE(BM_StatementPaint);

// The week check's work at the start of a week: a row for each of 200 children.
void BM_GenerateWeekFor200Children(benchmark::State& state)
{
    BenchRecords::Engine engine;
    if (!BenchRecords::EngineOf(state, &engine))
        return;
    EnsureTenYearsOfWeeks(engine);
    EnrollmentTable enrollment;
    PaymentTable payments;
    QDate monday = TuitionWeek::Holding(Clock::TodayUtc()).start;
    for (auto _ : state) {
        monday = monday.addDays(7);
        const auto generation = WeeklyPayments::GenerateWeek(
            enrollment, payments, TuitionWeek::Holding(monday), TuitionRates());
        benchmark::DoNotOptimize(generation.added);
    }
}
BENCHMARK_EACH_ENGINE(BM_GenerateWeekFor200Children);

} // namespace
