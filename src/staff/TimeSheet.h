#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

class TimeSheetTable;

// One staff member's month as the time sheet keeps it: a state text per day.
namespace TimeSheet {

inline constexpr const char* kWorking = "Working";
inline constexpr const char* kSick = "Sick";
inline constexpr const char* kAnnual = "Annual Leave";
// A day that is none of the others, and every day of a new month.
inline constexpr const char* kNone = "T";

using Days = std::array<QString, 31>;   // [0] is the first of the month

struct YearMonth
{
    int year = 0;
    int month = 0;   // 1 to 12
    bool operator==(const YearMonth&) const = default;
};
YearMonth Previous(YearMonth shown);
YearMonth Next(YearMonth shown);
YearMonth MonthOf(const QDate& date);

// "January" to "December", whatever the user's language.
QString MonthName(int month);
// "2012-March-5": the key of a day in the leave lists.
QString DayKey(int year, int month, int day);
// The keys of every day of the month, in order.
QStringList DayKeys(YearMonth month);

// How a day is drawn and counted. A stored text counts by what it contains.
enum class DayKind { None, Working, Annual, Sick };
DayKind KindOf(const QString& state);

// What the calendar dialog edits: the leave days by key, the working weekdays
// (Monday first) and the month's note.
struct MonthPlan
{
    QStringList annual;
    QStringList sick;
    std::array<bool, 5> weekdays{};
    QString note;
};

// The plan a stored month stands for: sick before annual, and a working weekday of the
// month marks its weekday.
MonthPlan PlanOf(YearMonth month, const Days& days, const QString& note);
// The states the plan gives each day of the month: annual leave, else sick, else working
// on a ticked weekday, else "T". Days past the month's end stay "T".
Days DaysOf(YearMonth month, const MonthPlan& plan);

// One stored month of one staff member.
struct MonthSheet
{
    YearMonth month;
    Days days;
    QString note;
};
MonthSheet BlankMonth(YearMonth month);

// The staff member's row of that month, made (all "T") the first time it is asked for.
MonthSheet LoadOrCreateMonth(TimeSheetTable& set, const QString& name, YearMonth month);
// The stored row of the month as it is now; a blank month when there is none.
MonthSheet ReadMonth(TimeSheetTable& set, const QString& name, YearMonth month);
// Rewrites the month's row (making it when missing) with the days and note.
void WriteMonth(TimeSheetTable& set, const QString& name, const MonthSheet& sheet);

struct LeaveCount
{
    int annual = 0;
    int sick = 0;
    bool operator==(const LeaveCount&) const = default;
};
// The annual-leave and sick days of the staff member over every month of the year.
LeaveCount CountLeave(TimeSheetTable& set, const QString& name, int year);
// The same for everybody at once, by name; reads only the year's rows. Empty when there
// is no application folder.
QHash<QString, LeaveCount> CountLeaveOfYear(const TimeSheetTable& set, int year);

// Marks Monday to Friday of the week holding `today` "Working" for every staff member
// named, where the day is still "T"; leave days are never touched. One transaction.
// Returns the number of days marked.
int AddWorkingWeek(TimeSheetTable& set, const QStringList& names, const QDate& today);

} // namespace TimeSheet
