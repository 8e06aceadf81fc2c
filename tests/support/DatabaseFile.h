#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVariantList>
#include <vector>

// Runs one statement on a database file through a connection of the test's own, as
// another program would, and returns every row. A failure is a test failure.
std::vector<QSqlRecord> QueryDatabaseFile(const QString& path, const QString& sql,
                                          const QVariantList& values = {});
