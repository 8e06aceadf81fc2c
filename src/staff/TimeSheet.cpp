#include "staff/TimeSheet.h"

#include "records/RecordsDatabase.h"
#include "records/RecordsSchema.h"
#include "records/TimeSheetTable.h"

#include <QSqlQuery>

#include <map>

namespace TimeSheet {

namespace {

// Puts the set on the staff member's row of the month; false at EOF when there is none.
bool FindMonth(TimeSheetTable& set, const QString& name, YearMonth month)
{
    set.SelectStaff(name);
    if (!set.IsOpen())
        return false;
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
        if (set.m_Year == month.year && set.m_Month == month.month)
            return true;
    return false;
}

MonthSheet SheetOfRow(const TimeSheetTable& set)
{
    MonthSheet sheet{{set.m_Year, set.m_Month}, set.m_Day, set.m_Note};
    return sheet;
}

void AddMonthRow(TimeSheetTable& set, const QString& name, const MonthSheet& sheet)
{
    if (!set.IsOpen())
        set.OpenToAdd();
    set.AddNew();
    set.m_Name = name;
    set.m_Year = sheet.month.year;
    set.m_Month = sheet.month.month;
    set.m_Day = sheet.days;
    set.m_Note = sheet.note;
    set.Update();
}

int DaysIn(YearMonth month)
{
    return QDate(month.year, month.month, 1).daysInMonth();
}

} // namespace

YearMonth Previous(YearMonth shown)
{
    return shown.month <= 1 ? YearMonth{shown.year - 1, 12} : YearMonth{shown.year, shown.month - 1};
}

YearMonth Next(YearMonth shown)
{
    return shown.month >= 12 ? YearMonth{shown.year + 1, 1} : YearMonth{shown.year, shown.month + 1};
}

YearMonth MonthOf(const QDate& date)
{
    return {date.year(), date.month()};
}

QString MonthName(int month)
{
    static const char* const kNames[] = {"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(kNames[month - 1]) : QString();
}

QString DayKey(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3").arg(year).arg(MonthName(month)).arg(day);
}

QStringList DayKeys(YearMonth month)
{
    QStringList keys;
    for (int day = 1; day <= DaysIn(month); ++day)
        keys << DayKey(month.year, month.month, day);
    return keys;
}

DayKind KindOf(const QString& state)
{
    if (state.contains(QLatin1String("Sick")))
        return DayKind::Sick;
    if (state.contains(QLatin1String("Annual")))
        return DayKind::Annual;
    if (state.contains(QLatin1String("Working")))
        return DayKind::Working;
    return DayKind::None;
}

MonthPlan PlanOf(YearMonth month, const Days& days, const QString& note)
{
    MonthPlan plan;
    plan.note = note;
    for (int day = 1; day <= DaysIn(month); ++day) {
        const QString key = DayKey(month.year, month.month, day);
        switch (KindOf(days[size_t(day - 1)])) {
        case DayKind::Sick: plan.sick << key; break;
        case DayKind::Annual: plan.annual << key; break;
        case DayKind::Working: {
            const int weekday = QDate(month.year, month.month, day).dayOfWeek();
            if (weekday <= 5)
                plan.weekdays[size_t(weekday - 1)] = true;
            break;
        }
        case DayKind::None: break;
        }
    }
    return plan;
}

Days DaysOf(YearMonth month, const MonthPlan& plan)
{
    Days days;
    days.fill(QString::fromLatin1(kNone));
    for (int day = 1; day <= DaysIn(month); ++day) {
        const QString key = DayKey(month.year, month.month, day);
        const int weekday = QDate(month.year, month.month, day).dayOfWeek();
        QString& state = days[size_t(day - 1)];
        if (plan.annual.contains(key))
            state = QString::fromLatin1(kAnnual);
        else if (plan.sick.contains(key))
            state = QString::fromLatin1(kSick);
        else if (weekday <= 5 && plan.weekdays[size_t(weekday - 1)])
            state = QString::fromLatin1(kWorking);
    }
    return days;
}

MonthSheet BlankMonth(YearMonth month)
{
    MonthSheet sheet{month, {}, {}};
    sheet.days.fill(QString::fromLatin1(kNone));
    return sheet;
}

MonthSheet LoadOrCreateMonth(TimeSheetTable& set, const QString& name, YearMonth month)
{
    if (FindMonth(set, name, month))
        return SheetOfRow(set);
    const MonthSheet blank = BlankMonth(month);
    AddMonthRow(set, name, blank);
    set.Close();
    return blank;
}

MonthSheet ReadMonth(TimeSheetTable& set, const QString& name, YearMonth month)
{
    return FindMonth(set, name, month) ? SheetOfRow(set) : BlankMonth(month);
}

void WriteMonth(TimeSheetTable& set, const QString& name, const MonthSheet& sheet)
{
    if (FindMonth(set, name, sheet.month)) {
        set.Edit();
        set.m_Day = sheet.days;
        set.m_Note = sheet.note;
        set.Update();
    } else {
        AddMonthRow(set, name, sheet);
    }
    set.Close();
}

LeaveCount CountLeave(TimeSheetTable& set, const QString& name, int year)
{
    LeaveCount count;
    set.SelectStaff(name);
    if (!set.IsOpen())
        return count;
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
        if (set.m_Year != year)
            continue;
        for (const QString& state : set.m_Day) {
            count.annual += state == QLatin1String(kAnnual);
            count.sick += state == QLatin1String(kSick);
        }
    }
    return count;
}

QHash<QString, LeaveCount> CountLeaveOfYear(const TimeSheetTable& set, int year)
{
    QHash<QString, LeaveCount> counts;
    const QString path = set.GetDefaultDBName();
    if (path.isEmpty())
        return counts;
    RecordsDatabase& database = RecordsDatabase::Shared();
    database.Open(path);
    database.CheckTable(RecordsSchema::Table(RecordsSchema::kEmployeeTimeTable));
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QStringLiteral("\"Day%1\"").arg(day);
    QSqlQuery query(database.Connection());
    query.setForwardOnly(true);
    RecordsDatabase::Prepare(query, QStringLiteral("SELECT \"Name\", %1 FROM \"%2\" WHERE "
                                                   "\"Year\" = ?")
                                        .arg(days.join(QLatin1String(", ")),
                                             QLatin1String(RecordsSchema::kEmployeeTimeTable)));
    query.addBindValue(year);
    RecordsDatabase::Exec(query);
    while (query.next()) {
        LeaveCount& count = counts[query.value(0).toString()];
        for (int day = 1; day <= 31; ++day) {
            const QString state = query.value(day).toString();
            count.annual += state == QLatin1String(kAnnual);
            count.sick += state == QLatin1String(kSick);
        }
    }
    return counts;
}

int AddWorkingWeek(TimeSheetTable& set, const QStringList& names, const QDate& today)
{
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    int marked = 0;
    if (names.isEmpty())
        return marked;
    // The transaction needs the file open.
    set.SelectStaff(names.first());
    if (!set.IsOpen())
        return marked;
    RecordsDatabase::Shared().InTransaction([&] {
        for (const QString& name : names) {
            // The week may reach into a second month.
            std::map<std::pair<int, int>, MonthSheet> months;
            for (int offset = 0; offset < 5; ++offset) {
                const QDate date = monday.addDays(offset);
                const YearMonth month = MonthOf(date);
                auto [at, added] = months.try_emplace({month.year, month.month});
                if (added)
                    at->second = ReadMonth(set, name, month);
                QString& state = at->second.days[size_t(date.day() - 1)];
                if (state == QLatin1String(kNone)) {
                    state = QString::fromLatin1(kWorking);
                    ++marked;
                }
            }
            for (const auto& [key, sheet] : months)
                WriteMonth(set, name, sheet);
        }
    });
    return marked;
}

} // namespace TimeSheet
