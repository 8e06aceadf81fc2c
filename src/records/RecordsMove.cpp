#include "records/RecordsMove.h"

#include "records/RecordsDatabase.h"
#include "records/RecordsSchema.h"

#include <QSqlQuery>
#include <QStringList>
#include <cmath>
#include <limits>

using RecordsSchema::FieldDef;
using RecordsSchema::FieldType;
using RecordsSchema::Quoted;
using RecordsSchema::TableDef;

namespace {

using Row = std::vector<QVariant>;

struct TableRows
{
    const TableDef* table = nullptr;
    std::vector<Row> rows;
    std::vector<double> sums;   // one per Double column, in column order
};

QString ColumnList(const TableDef& table)
{
    QStringList columns;
    for (const FieldDef& field : table.fields)
        columns << Quoted(QString::fromLatin1(field.name));
    return columns.join(QLatin1String(", "));
}

// What the program would read from a stored value, as the server's column holds it.
QVariant Sound(const FieldDef& field, const QVariant& value)
{
    if (value.isNull() || field.type == FieldType::Text)
        return value.isNull() ? value : QVariant(value.toString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || std::isnan(number))
        return QVariant(QMetaType(field.type == FieldType::Long ? QMetaType::Int
                                                                : QMetaType::Double));
    if (field.type != FieldType::Long)
        return number;
    constexpr double low = std::numeric_limits<qint32>::min();
    constexpr double high = std::numeric_limits<qint32>::max();
    return qint32(number < low ? low : number > high ? high : number);
}

TableRows ReadTable(const TableDef& table)
{
    TableRows read;
    read.table = &table;
    QSqlQuery query(RecordsDatabase::Shared().Connection());
    query.setForwardOnly(true);
    RecordsDatabase::Prepare(query, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                        .arg(ColumnList(table), Quoted(QString::fromLatin1(table.name))));
    RecordsDatabase::Exec(query);
    for (const FieldDef& field : table.fields)
        if (field.type == FieldType::Double)
            read.sums.push_back(0);
    while (query.next()) {
        Row row;
        size_t sum = 0;
        for (size_t column = 0; column < table.fields.size(); ++column) {
            const FieldDef& field = table.fields[column];
            row.push_back(Sound(field, query.value(int(column))));
            if (field.type == FieldType::Double)
                read.sums[sum++] += row.back().toDouble();
        }
        read.rows.push_back(std::move(row));
    }
    return read;
}

void WriteTable(const TableRows& read)
{
    const TableDef& table = *read.table;
    const QString name = Quoted(QString::fromLatin1(table.name));
    QSqlQuery count(RecordsDatabase::Shared().Connection());
    RecordsDatabase::Prepare(count, QStringLiteral("SELECT count(*) FROM %1").arg(name));
    RecordsDatabase::Exec(count);
    if (count.next() && count.value(0).toLongLong() > 0)
        throw DatabaseError(QStringLiteral("The server's database holds records already (%1); "
                                           "records are moved only into an empty database. "
                                           "Nothing was copied.")
                                .arg(QString::fromLatin1(table.name)));
    QStringList marks;
    for (size_t i = 0; i < table.fields.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery insert(RecordsDatabase::Shared().Connection());
    RecordsDatabase::Prepare(insert, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(name, ColumnList(table), marks.join(QLatin1Char(','))));
    for (const Row& row : read.rows) {
        for (int column = 0; column < int(row.size()); ++column)
            insert.bindValue(column, row[size_t(column)]);
        RecordsDatabase::Exec(insert);
    }
}

// Compares what the server holds now with what was read from the file.
void CheckTable(const TableRows& read)
{
    const TableDef& table = *read.table;
    QStringList figures{QStringLiteral("count(*)")};
    for (const FieldDef& field : table.fields)
        if (field.type == FieldType::Double)
            figures << QStringLiteral("coalesce(sum(%1), 0)").arg(Quoted(QString::fromLatin1(field.name)));
    QSqlQuery query(RecordsDatabase::Shared().Connection());
    RecordsDatabase::Prepare(query, QStringLiteral("SELECT %1 FROM %2")
                                        .arg(figures.join(QLatin1String(", ")),
                                             Quoted(QString::fromLatin1(table.name))));
    RecordsDatabase::Exec(query);
    bool same = query.next() && query.value(0).toLongLong() == qint64(read.rows.size());
    for (size_t sum = 0; same && sum < read.sums.size(); ++sum) {
        const double copied = query.value(int(sum) + 1).toDouble();
        same = std::abs(copied - read.sums[sum]) <= 1e-9 * std::max(1.0, std::abs(read.sums[sum]));
    }
    if (!same)
        throw DatabaseError(QStringLiteral("The copy of %1 on the server does not add up to the "
                                           "file's rows; nothing was copied.")
                                .arg(QString::fromLatin1(table.name)));
}

} // namespace

namespace RecordsMove {

std::vector<TableCount> CopyFileToServer(const QString& filePath, const DatabaseLocation& server)
{
    if (!server.IsServer())
        throw DatabaseError(QStringLiteral("The records can only be moved to a server."));
    RecordsDatabase& database = RecordsDatabase::Shared();
    const DatabaseLocation previous = database.Location();
    std::vector<TableRows> tables;
    std::vector<TableCount> counts;
    try {
        database.UseLocation(DatabaseLocation());
        database.Open(filePath, RecordsDatabase::Access::Read);
        database.CheckTables();
        for (const TableDef& table : RecordsSchema::Tables())
            tables.push_back(ReadTable(table));
        database.UseLocation(server);
        database.Open(QString(), RecordsDatabase::Access::Write);
        // One transaction for the tables and the rows: a move that fails leaves the
        // server's database as it was.
        database.InTransaction([&] {
            database.CreateMissingTables();
            database.CheckTables();
            for (const TableRows& read : tables)
                WriteTable(read);
            for (const TableRows& read : tables) {
                CheckTable(read);
                counts.push_back({QString::fromLatin1(read.table->name), int(read.rows.size())});
            }
        });
        database.Upgrade();
    } catch (const DatabaseError&) {
        database.UseLocation(previous);
        throw;
    }
    database.UseLocation(previous);
    return counts;
}

} // namespace RecordsMove
