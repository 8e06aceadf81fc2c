#include "records/PaymentTable.h"

#include "records/RecordsDatabase.h"

#include <QSqlQuery>

PaymentTable::PaymentTable()
    : Recordset(RecordsSchema::kChildPayment)
{
    SetDefaults();
}

void PaymentTable::SelectChild(const QString& name)
{
    SelectName(name, name.isEmpty() || name == QLatin1String("AAA"));
}

QSet<QString> PaymentTable::ChildrenWithWeekStarting(const QDate& first, const QDate& last)
{
    OpenDatabase();
    QSqlQuery query(Database().Connection());
    query.setForwardOnly(true);
    // A week start stored with a time of day still falls on its day. No DISTINCT: the
    // engine would walk the name index and look up every row (40 times slower).
    RecordsDatabase::Prepare(query, QStringLiteral(
        "SELECT \"ChildName\" FROM \"ChildPaymentInformation\" "
        "WHERE \"WeekStart\" >= ? AND \"WeekStart\" < ?"));
    query.addBindValue(DbDate::FromDate(first).Days());
    query.addBindValue(DbDate::FromDate(last.addDays(1)).Days());
    RecordsDatabase::Exec(query);
    QSet<QString> names;
    while (query.next())
        names.insert(query.value(0).toString());
    return names;
}

void PaymentTable::DoFieldExchange(FieldExchange& exchange)
{
    exchange.Date("WeekStart", m_WeekStart);
    exchange.Date("WeekEnd", m_WeekEnd);
    exchange.Text("ChildName", m_ChildName);
    exchange.Long("SessionDays", m_SessionDays, 5);
    exchange.Double("WeeklyFee", m_WeeklyFee);
    exchange.Double("ExtraHours", m_ExtraHours);
    exchange.Double("ExtraCharge", m_ExtraCharge);
    exchange.Double("Discount", m_Discount);
    exchange.Double("PayFromGovernment", m_PayFromGovernment);
    exchange.Double("PayFromParent", m_PayFromParent);
    exchange.Text("PaidDate", m_PaidDate);
    exchange.Text("PaidBy", m_PaidBy);
    exchange.Double("Debit", m_Debit);
    exchange.Double("Balance", m_Balance);
    exchange.Text("Note", m_Note);
}
