#pragma once

#include "records/RecordsSchema.h"

#include <QString>
#include <QStringList>

// What the two engines the records run on do differently. Every other statement is
// written in SQL both understand (RETURNING, ON CONFLICT DO NOTHING, IS NOT DISTINCT
// FROM, CREATE ... IF NOT EXISTS), so this is the one place that knows which engine
// is underneath.
class SqlDialect
{
public:
    enum class Engine { SQLite, PostgreSQL };

    explicit SqlDialect(Engine engine) : m_engine(engine) {}

    Engine GetEngine() const { return m_engine; }
    // The Qt driver's name.
    QString Driver() const;

    // The table with its columns in order. Rows are identified by `rowid`: SQLite's own,
    // or on the server a hidden identity column of that name, which also keeps the
    // order rows were added in.
    QString CreateTableSql(const RecordsSchema::TableDef& table) const;

    // Statements run once on every new connection.
    QStringList AfterOpenSql() const;
    // Statements that make the layout of newer databases; run by Upgrade.
    QStringList UpgradeSql() const;
    // Starts a write transaction that holds the one writer's lock until it ends, so
    // what the transaction reads cannot change under it; another seat waits its turn
    // (RecordsDatabase::kBusyTimeoutMs) instead of failing.
    QStringList BeginWriteSql() const;

    // A statement that fails unless the connection reaches a records engine.
    QString ProbeSql() const;
    // One row: the engine's name and version.
    QString VersionSql() const;
    // The columns of the table named by the one bound value: rows of (name, declared
    // type). No rows when there is no such table.
    QString ColumnsSql() const;

private:
    Engine m_engine;
};
