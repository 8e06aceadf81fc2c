#include "RecordsDatabaseFixture.h"

#include "settings/ProgramState.h"
#include "platform/Clock.h"
#include "records/DbDate.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "records/RecordsDatabase.h"
#include "settings/ProgramSettings.h"
#include "tuition/WeeklyPayments.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <list>

namespace BenchRecords {

QString ChildName(int child)
{
    return QStringLiteral("Child %1").arg(child, 3, 10, QLatin1Char('0'));
}

namespace {

void InsertChildren()
{
    QSqlQuery query(RecordsDatabase::Shared().Connection());
    RecordsDatabase::Prepare(query, QStringLiteral(
        "INSERT INTO ChildEnrollmentInformation (ChildName, EnrollType, Mother, Email, "
        "PayFromGovernment, Birthday, EnrollDate) VALUES (?, 5, 'Mother', 'a@b.org', 10, "
        "44000, 45000)"));
    for (int child = 0; child < kChildren; ++child) {
        query.addBindValue(ChildName(child));
        RecordsDatabase::Exec(query);
    }
}

// Days go back from today, five school days a week, children interleaved by day as a
// center enters them.
void InsertDailyRecords()
{
    QSqlQuery query(RecordsDatabase::Shared().Connection());
    RecordsDatabase::Prepare(query, QStringLiteral(
        "INSERT INTO ChildDailyRecord (\"Index\", \"Date\", ChildName, Pickup, PickupTime, "
        "Note, ParentsNote, Reserved1, Reserved2) VALUES (?, ?, ?, 'Mother', '4:30PM', "
        "'Played in the sand pit and ate all of lunch.', '', '', '')"));
    QDate day = Clock::TodayUtc();
    qint32 index = 0;
    for (int days = 0; days < kDaysPerChild; day = day.addDays(-1)) {
        if (day.dayOfWeek() > 5)
            continue;
        ++days;
        for (int child = 0; child < kChildren; ++child) {
            query.addBindValue(++index);
            query.addBindValue(DbDate::FromDate(day).Days());
            query.addBindValue(ChildName(child));
            RecordsDatabase::Exec(query);
        }
    }
}

} // namespace

void UseNewDatabase()
{
    static std::list<QTemporaryDir> homes;
    Program().programDir = homes.emplace_back().path();
    EnsureRecordsDatabase();
}

void EnsureFiveYearDatabase()
{
    static bool made = false;
    if (made)
        return;
    UseNewDatabase();
    RecordsDatabase::Shared().InTransaction([] {
        InsertChildren();
        InsertDailyRecords();
    });
    made = true;
}

void EnsureTenYearsOfWeeks()
{
    constexpr int kWeeks = 520;
    static bool made = false;
    if (made)
        return;
    UseNewDatabase();
    EnrollmentTable enrollment;
    enrollment.Open();
    for (int child = 0; child < kChildren; ++child) {
        enrollment.AddNew();
        enrollment.m_ChildName = ChildName(child);
        enrollment.m_EnrollType = 3 + child % 3;
        enrollment.m_PayFromGovernment = 10;
        enrollment.Update();
    }
    PaymentTable payments;
    const QDate today = Clock::TodayUtc();
    for (int week = kWeeks - 1; week >= 0; --week) {
        const TuitionWeek weekOf = TuitionWeek::Holding(today.addDays(-7 * week));
        WeeklyPayments::GenerateWeek(enrollment, payments, weekOf, TuitionRates());
    }
    made = true;
}

} // namespace BenchRecords
