#include "RecordsDatabaseFixture.h"

#include "settings/ProgramState.h"
#include "platform/Clock.h"
#include "records/DbDate.h"
#include "records/RecordsDatabase.h"

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

} // namespace BenchRecords
