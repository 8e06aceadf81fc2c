#pragma once

#include "records/RecordsDatabase.h"
#include "support/RecordsEngines.h"
#include "support/TempHome.h"

#include <QString>
#include <QSqlRecord>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A fresh application folder for each test, with its records in the folder's file or,
// for the Server engine, in a fresh database on the test server; the shared connection
// is let go afterwards so the next test gets records of its own.
class RecordsTest : public ::testing::Test
{
protected:
    explicit RecordsTest(RecordsEngine engine = RecordsEngine::File);
    ~RecordsTest() override;
    // Skips, saying why, when the engine is the server and there is none.
    void SetUp() override;

    QString DatabaseFile() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }
    DatabaseLocation Location() const { return RecordsDatabase::Shared().Location(); }

    // Runs a statement on a second connection to the records, as another program or
    // seat would, and returns every row.
    std::vector<QSqlRecord> Inspect(const QString& sql, const QVariantList& values = {}) const;
    int CountRows(const char* table) const;

    TempHome m_home;
    std::unique_ptr<ServerRecords> m_server;
};

// The same tests on each engine.
class EachEngineTest : public RecordsTest, public ::testing::WithParamInterface<RecordsEngine>
{
protected:
    EachEngineTest() : RecordsTest(GetParam()) {}
};
