#pragma once

#include <QByteArray>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <gtest/gtest.h>
#include <vector>

// Runs one statement on a database file through a connection of the test's own, as
// another program would, and returns every row. A failure is a test failure.
std::vector<QSqlRecord> QueryDatabaseFile(const QString& path, const QString& sql,
                                          const QVariantList& values = {});

// The table as the program makes it in a records file.
QString FileTableSql(const char* name);

// The whole file, or "missing" when it cannot be read.
QByteArray BytesOf(const QString& path);
// Writes `bytes` as the whole file at `path` (a failure is a test failure); the path.
QString WriteBytes(const QString& path, const QByteArray& bytes);

// A records file the program cannot use, of one kind. Where it has an enrollment table,
// "Ann" is enrolled in it.
struct BrokenDatabase
{
    const char* kind;      // names the case
    const char* problem;   // part of what the program says about it
    QByteArray bytes;      // the whole file, when `sql` is empty
    QStringList sql;       // else the statements that make it
};
const std::vector<BrokenDatabase>& BrokenDatabases();
const BrokenDatabase& BrokenDatabaseOfKind(const char* kind);
// Shows the kind when a test of it fails.
void PrintTo(const BrokenDatabase& broken, std::ostream* out);
// The kind as a test's name.
std::string BrokenDatabaseName(const ::testing::TestParamInfo<BrokenDatabase>& info);
void WriteBrokenDatabase(const BrokenDatabase& broken, const QString& path);
