#pragma once

#include "records/RecordsDatabase.h"
#include "support/TempHome.h"

#include <QString>
#include <QSqlRecord>
#include <gtest/gtest.h>
#include <vector>

// A fresh application folder for each test; the shared connection is let go afterwards
// so the next test's folder gets its own file.
class RecordsTest : public ::testing::Test
{
protected:
    ~RecordsTest() override;

    QString DatabaseFile() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }

    // Runs a statement on a second connection to the file, as another program would,
    // and returns every row.
    std::vector<QSqlRecord> Inspect(const QString& sql) const;
    int CountRows(const char* table) const;

    TempHome m_home;
};
