#include "TuitionTestKit.h"

#include "records/DBChildPaymentSet.h"
#include "records/DBVChildInfoSet.h"

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
    CWeeklyPayment week;
    week.childName = name;
    week.weekStart = CDbDate::FromDate(monday);
    week.weekEnd = CDbDate::FromDate(monday.addDays(6));
    week.sessionDays = 3;
    week.debit = debit;
    CDBChildPaymentSet set;
    WeeklyPayments::AddRow(set, week);
}
