#include "RecordsDatabaseFixture.h"

#include "settings/ProgramState.h"
#include "platform/Clock.h"
#include "records/DbDate.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "records/RecordsDatabase.h"
#include "settings/ProgramSettings.h"
#include "tuition/WeeklyPayments.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <list>
#include <map>

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
        "INSERT INTO \"ChildEnrollmentInformation\" (\"ChildName\", \"EnrollType\", \"Mother\", "
        "\"Email\", \"PayFromGovernment\", \"Birthday\", \"EnrollDate\") VALUES (?, 5, 'Mother', "
        "'a@b.org', 10, 44000, 45000)"));
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
        "INSERT INTO \"ChildDailyRecord\" (\"Index\", \"Date\", \"ChildName\", \"Pickup\", "
        "\"PickupTime\", \"Note\", \"ParentsNote\", \"Reserved1\", \"Reserved2\") "
        "VALUES (?, ?, ?, 'Mother', '4:30PM', "
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

namespace {

QString ServerUrl()
{
    const QString bench = qEnvironmentVariable("TENDREL_BENCH_POSTGRES");
    return bench.isEmpty() ? qEnvironmentVariable("TENDREL_TEST_POSTGRES") : bench;
}

// The application folder and records location of one made set of records.
struct Place
{
    QString programDir;
    DatabaseLocation location;
};

// A new database on the server, named after this run.
DatabaseLocation NewServerDatabase()
{
    static int made = 0;
    const DatabaseLocation server = DatabaseLocation::FromUrl(ServerUrl());
    const QString name = QStringLiteral("bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
    {
        QSqlQuery create(RecordsDatabase::Connect(QStringLiteral("bench-admin"), server, QString(),
                                                  RecordsDatabase::Access::Write));
        // The server prepares no CREATE DATABASE.
        if (!create.exec(QStringLiteral("CREATE DATABASE %1").arg(name)))
            throw DatabaseError(QStringLiteral("No database for the benchmark: ") + name);
    }
    RecordsDatabase::Disconnect(QStringLiteral("bench-admin"));
    return DatabaseLocation::Server(server.Host(), server.Port(), name, server.User(),
                                    server.Password());
}

// Makes a set of records once per engine with `make`; points the run at it.
void Ensure(Engine engine, std::map<Engine, Place>& places, const std::function<void()>& make)
{
    const auto found = places.find(engine);
    if (found != places.end()) {
        Program().programDir = found->second.programDir;
        RecordsDatabase::Shared().UseLocation(found->second.location);
        return;
    }
    UseNewDatabase(engine);
    make();
    places[engine] = {Program().programDir, RecordsDatabase::Shared().Location()};
}

} // namespace

void UseNewDatabase(Engine engine)
{
    static std::list<QTemporaryDir> homes;
    Program().programDir = homes.emplace_back().path();
    RecordsDatabase::Shared().UseLocation(engine == Engine::Server ? NewServerDatabase()
                                                                   : DatabaseLocation());
    EnsureRecordsDatabase();
}

bool EngineOf(benchmark::State& state, Engine* engine)
{
    *engine = state.range(0) == 1 ? Engine::Server : Engine::File;
    if (*engine == Engine::Server && ServerUrl().isEmpty()) {
        state.SkipWithError("no PostgreSQL server: set TENDREL_BENCH_POSTGRES "
                            "(scripts/pg-cluster start)");
        return false;
    }
    return true;
}

void EnsureFiveYearDatabase(Engine engine)
{
    static std::map<Engine, Place> places;
    Ensure(engine, places, [] {
        RecordsDatabase::Shared().InTransaction([] {
            InsertChildren();
            InsertDailyRecords();
        });
    });
}

void EnsureTenYearsOfWeeks(Engine engine)
{
    static std::map<Engine, Place> places;
    Ensure(engine, places, [] {
        constexpr int kWeeks = 520;
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
    });
}

} // namespace BenchRecords
