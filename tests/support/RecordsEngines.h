#pragma once

#include "records/DatabaseLocation.h"

#include <QSqlRecord>
#include <QString>
#include <QVariantList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The engines the records run on: the WRN.mdb file, or a PostgreSQL server.
enum class RecordsEngine { File, Server };

// Both engines, for INSTANTIATE_TEST_SUITE_P(..., EachRecordsEngine(), RecordsEngineName).
::testing::internal::ValueArray<RecordsEngine, RecordsEngine> EachRecordsEngine();
std::string RecordsEngineName(const ::testing::TestParamInfo<RecordsEngine>& info);

// The test server's address (TENDREL_TEST_POSTGRES, set by scripts/pg-cluster), or
// empty when there is none.
QString TestServerUrl();

// A fresh, empty database on the test server, which the program's records use while
// the object lives; dropped afterwards. Without a test server it does nothing and
// says why (SkipReason); the test then skips.
class ServerRecords
{
public:
    ServerRecords();
    ~ServerRecords();
    ServerRecords(const ServerRecords&) = delete;
    ServerRecords& operator=(const ServerRecords&) = delete;

    QString SkipReason() const { return m_skipReason; }
    const DatabaseLocation& Location() const { return m_location; }

private:
    DatabaseLocation m_location;
    QString m_skipReason;
};

// Runs one statement through a connection of the test's own, as another program or
// seat would, on the server of `location` or else the file `path`; every row. A
// failure is a test failure.
std::vector<QSqlRecord> QueryRecords(const DatabaseLocation& location, const QString& path,
                                     const QString& sql, const QVariantList& values = {});
