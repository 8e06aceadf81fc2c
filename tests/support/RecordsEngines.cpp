#include "support/RecordsEngines.h"

#include "records/RecordsDatabase.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kAdminConnection = QStringLiteral("test-server-admin");

// Runs one statement on the server's own database (where databases are made and dropped).
void Administer(const QString& sql)
{
    try {
        QSqlQuery query(RecordsDatabase::Connect(kAdminConnection,
                                                 DatabaseLocation::FromUrl(TestServerUrl()),
                                                 QString(), RecordsDatabase::Access::Write));
        EXPECT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    } catch (const DatabaseError& error) {
        ADD_FAILURE() << error.Message().toStdString();
    }
    RecordsDatabase::Disconnect(kAdminConnection);
}

} // namespace

::testing::internal::ValueArray<RecordsEngine, RecordsEngine> EachRecordsEngine()
{
    return ::testing::Values(RecordsEngine::File, RecordsEngine::Server);
}

std::string RecordsEngineName(const ::testing::TestParamInfo<RecordsEngine>& info)
{
    return info.param == RecordsEngine::File ? "File" : "Server";
}

QString TestServerUrl()
{
    return qEnvironmentVariable("TENDREL_TEST_POSTGRES");
}

ServerRecords::ServerRecords()
{
    if (TestServerUrl().isEmpty()) {
        m_skipReason = QStringLiteral("TENDREL_TEST_POSTGRES is not set: no PostgreSQL server "
                                      "to test on (scripts/pg-cluster start makes one)");
        return;
    }
    static int made = 0;
    const QString name = QStringLiteral("records_%1_%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(++made);
    Administer(QStringLiteral("CREATE DATABASE %1").arg(name));
    const DatabaseLocation server = DatabaseLocation::FromUrl(TestServerUrl());
    m_location = DatabaseLocation::Server(server.Host(), server.Port(), name, server.User(),
                                          server.Password());
    RecordsDatabase::Shared().UseLocation(m_location);
}

ServerRecords::~ServerRecords()
{
    if (!m_location.IsServer())
        return;
    RecordsDatabase::Shared().UseLocation(DatabaseLocation());
    Administer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_location.Database()));
}

std::vector<QSqlRecord> QueryRecords(const DatabaseLocation& location, const QString& path,
                                     const QString& sql, const QVariantList& values)
{
    const QString connection = QStringLiteral("test-reader");
    std::vector<QSqlRecord> rows;
    try {
        QSqlQuery query(RecordsDatabase::Connect(connection, location, path,
                                                 RecordsDatabase::Access::Write));
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        EXPECT_TRUE(query.exec()) << query.lastError().text().toStdString() << "\n"
                                  << sql.toStdString();
        while (query.next())
            rows.push_back(query.record());
    } catch (const DatabaseError& error) {
        ADD_FAILURE() << error.Message().toStdString();
    }
    RecordsDatabase::Disconnect(connection);
    return rows;
}
