#include "support/TuitionWeeks.h"

#include "records/DBChildPaymentSet.h"

CWeeklyPayment TuitionWeekOf(const QString& name, const QDate& monday, qint32 sessionDays,
                             double weeklyFee)
{
    CWeeklyPayment week;
    week.childName = name;
    week.weekStart = CDbDate::FromDate(monday);
    week.weekEnd = CDbDate::FromDate(monday.addDays(6));
    week.sessionDays = sessionDays;
    week.weeklyFee = weeklyFee;
    week.debit = week.ComputedDebit();
    return week;
}

qint64 StoreTuitionWeek(const CWeeklyPayment& week)
{
    CDBChildPaymentSet set;
    return WeeklyPayments::AddRow(set, week);
}
