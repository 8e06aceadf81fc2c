// The Staff Center with 50 staff and ten years of monthly time sheets (6,000 rows):
// showing the center (both lists) and selecting a member with the month calendar
// painted. Goal: under 50 ms each.
#include "RecordsDatabaseFixture.h"

#include "records/RecordsDatabase.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "staff/StaffRecords.h"
#include "staff/TimeSheet.h"
#include "staff/view/StaffCenterView.h"
#include "staff/view/MonthCalendar.h"
#include "staff/view/StaffReportList.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kStaff = 50;
constexpr int kYears = 10;

QString StaffName(int member)
{
    return QStringLiteral("Staff member %1").arg(member, 2, 10, QLatin1Char('0'));
}

void EnsureStaffDatabase()
{
    static bool made = false;
    if (made)
        return;
    made = true;
    BenchRecords::UseNewDatabase();
    StaffTable staff;
    TimeSheetTable sheets;
    TimeSheet::MonthPlan plan;
    plan.weekdays = {true, true, true, true, true};
    RecordsDatabase::Shared().InTransaction([&] {
        for (int member = 0; member < kStaff; ++member) {
            StaffInfo info;
            info.name = StaffName(member);
            info.department = QStringLiteral("Preschool");
            StaffRecords::AddStaff(staff, info);
            if (!sheets.IsOpen())
                sheets.OpenToAdd();
            for (int year = 2016; year < 2016 + kYears; ++year)
                for (int month = 1; month <= 12; ++month) {
                    const TimeSheet::YearMonth shown{year, month};
                    plan.sick = {TimeSheet::DayKey(year, month, 3)};
                    sheets.AddNew();
                    sheets.m_Name = info.name;
                    sheets.m_Year = year;
                    sheets.m_Month = month;
                    sheets.m_Day = TimeSheet::DaysOf(shown, plan);
                    sheets.Update();
                }
        }
    });
    sheets.Close();
}

void BM_ShowStaffCenter(benchmark::State& state)
{
    EnsureStaffDatabase();
    for (auto _ : state) {
        StaffCenterView center;
        center.FillLists();
        if (center.LeaveSummary()->topLevelItemCount() != kStaff)
            state.SkipWithError("the lists were not filled");
    }
}
BENCHMARK(BM_ShowStaffCenter)->Unit(benchmark::kMillisecond);

void BM_SelectStaffAndPaintMonth(benchmark::State& state)
{
    EnsureStaffDatabase();
    StaffCenterView center;
    center.resize(1300, 800);
    center.FillLists();
    int member = 0;
    for (auto _ : state) {
        if (!center.SelectStaff(StaffName(member++ % kStaff)))
            state.SkipWithError("the member was not shown");
        benchmark::DoNotOptimize(center.Calendar()->grab());
    }
}
BENCHMARK(BM_SelectStaffAndPaintMonth)->Unit(benchmark::kMillisecond);

} // namespace
