#include "ReportsTestKit.h"

#include "records/RecordsDatabase.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "reports/MonthReport.h"
#include "staff/MonthCalendarPainting.h"
#include "staff/StaffRecords.h"
#include "support/EnrolledChildren.h"
#include "support/TuitionWeeks.h"

namespace ReportsKit {

QStringList EnrollNumbered(int count)
{
    QStringList names;
    for (int n = 1; n <= count; ++n) {
        const QString number = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        names << QStringLiteral("Child ") + number;
        Enroll(names.back(), 5, 0, QStringLiteral("child%1@example.org").arg(number));
    }
    return names;
}

void StoreWeeks(const QString& child, std::initializer_list<Week> weeks)
{
    for (const Week& week : weeks) {
        WeeklyPayment row = TuitionWeekOf(child, week.monday, 3, week.fee);
        row.extraCharge = week.charge;
        row.discount = week.discount;
        row.weeklyPbg = week.pbg;
        row.pbp = week.pbp;
        row.debit = week.debit;
        StoreTuitionWeek(row);
    }
}

void Hire(const QString& name, const QString& email, TimeSheet::YearMonth month,
          const std::map<int, const char*>& days)
{
    EnsureRecordsDatabase();
    StaffTable staff;
    StaffInfo info;
    info.name = name;
    info.email = email;
    StaffRecords::AddStaff(staff, info);
    TimeSheet::MonthSheet sheet = TimeSheet::BlankMonth(month);
    for (const auto& [day, state] : days)
        sheet.days[size_t(day - 1)] = QString::fromLatin1(state);
    TimeSheetTable sheets;
    TimeSheet::WriteMonth(sheets, name, sheet);
}

QColor DayColor(const QImage& picture, int slot, TimeSheet::YearMonth month, int day)
{
    const QRectF cell =
        MonthCalendarPainting::DayCell(MonthReport::CalendarArea(slot), month, day);
    return picture.pixelColor(QPointF(cell.right() - 6, cell.bottom() - 5).toPoint());
}

} // namespace ReportsKit
