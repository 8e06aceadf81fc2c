#include "records/DailyRecordTable.h"

#include "records/RecordsDatabase.h"

#include <QSqlQuery>

DailyRecordTable::DailyRecordTable()
    : Recordset(RecordsSchema::kChildDailyRecord)
{
    SetDefaults();
}

void DailyRecordTable::SelectChild(const QString& name)
{
    SelectName(name, name.isEmpty());
}

qint32 DailyRecordTable::LastIndex()
{
    OpenDatabase();
    // The last row in table order, without reading the whole table.
    QSqlQuery query(Database().Connection());
    query.setForwardOnly(true);
    RecordsDatabase::Prepare(
        query, QStringLiteral("SELECT \"Index\" FROM \"ChildDailyRecord\" ORDER BY rowid DESC "
                              "LIMIT 1"));
    RecordsDatabase::Exec(query);
    return query.next() ? qint32(query.value(0).toLongLong()) : 0;
}

void DailyRecordTable::DoFieldExchange(FieldExchange& exchange)
{
    exchange.Long("Index", m_Index, 1);
    exchange.Date("Date", m_Date);
    exchange.Text("ChildName", m_ChildName);
    exchange.Text("Pickup", m_Pickup);
    exchange.Text("PickupTime", m_PickupTime);
    exchange.Text("Note", m_Note);
    exchange.Text("ParentsNote", m_ParentsNote);
    exchange.Text("Reserved1", m_Reserved1);
    exchange.Text("Reserved2", m_Reserved2);
}
