#include "TuitionTestKit.h"

#include "support/TuitionWeeks.h"

void TuitionTest::AddWeek(const QString& name, const QDate& monday, double debit)
{
    WeeklyPayment week = TuitionWeekOf(name, monday, 3, 0);
    week.debit = debit;
    StoreTuitionWeek(week);
}
