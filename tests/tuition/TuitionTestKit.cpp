#include "TuitionTestKit.h"

#include "records/DBVChildInfoSet.h"
#include "support/TuitionWeeks.h"

TuitionTest::TuitionTest()
{
    CreateDatabase();
}

void TuitionTest::Enroll(const QString& name, qint32 days, double dailyPbg)
{
    CDBVChildInfoSet set;
    set.Open();
    set.AddNew();
    set.m_ChildName = name;
    set.m_EnrollType = days;
    set.m_PayFromGovernment = dailyPbg;
    set.Update();
}

void TuitionTest::AddWeek(const QString& name, const QDate& monday, double debit)
{
    CWeeklyPayment week = TuitionWeekOf(name, monday, 3, 0);
    week.debit = debit;
    StoreTuitionWeek(week);
}
