#include "TuitionTestKit.h"

#include "records/EnrollmentTable.h"
#include "support/TuitionWeeks.h"

TuitionTest::TuitionTest()
{
    CreateDatabase();
}

void TuitionTest::Enroll(const QString& name, qint32 days, double dailyPbg)
{
    EnrollmentTable set;
    set.Open();
    set.AddNew();
    set.m_ChildName = name;
    set.m_EnrollType = days;
    set.m_PayFromGovernment = dailyPbg;
    set.Update();
}

void TuitionTest::AddWeek(const QString& name, const QDate& monday, double debit)
{
    WeeklyPayment week = TuitionWeekOf(name, monday, 3, 0);
    week.debit = debit;
    StoreTuitionWeek(week);
}
