#include "support/TuitionWeeks.h"

#include "records/PaymentTable.h"

WeeklyPayment TuitionWeekOf(const QString& name, const QDate& monday, qint32 sessionDays,
                             double weeklyFee)
{
    WeeklyPayment week;
    week.childName = name;
    week.weekStart = DbDate::FromDate(monday);
    week.weekEnd = DbDate::FromDate(monday.addDays(6));
    week.sessionDays = sessionDays;
    week.weeklyFee = weeklyFee;
    week.debit = week.ComputedDebit();
    return week;
}

qint64 StoreTuitionWeek(const WeeklyPayment& week)
{
    PaymentTable set;
    return WeeklyPayments::AddRow(set, week);
}

qint64 StoreOwedWeek(const QString& name, const QDate& monday, double debit, const QString& paidBy)
{
    WeeklyPayment week = TuitionWeekOf(name, monday, 3, 0);
    week.debit = debit;
    week.paidBy = paidBy;
    return StoreTuitionWeek(week);
}
