#include "records/DBChildPaymentSet.h"

#include "records/RecordsDatabase.h"

#include <QSqlQuery>

CDBChildPaymentSet::CDBChildPaymentSet()
    : CRecordset(RecordsSchema::kChildPayment)
{
    SetDefaults();
}

void CDBChildPaymentSet::SelectChild(const QString& name)
{
    SelectName(name, name.isEmpty() || name == QLatin1String("AAA"));
}

QSet<QString> CDBChildPaymentSet::ChildrenWithWeekStarting(const QDate& first, const QDate& last)
{
    OpenDatabase();
    QSqlQuery query(Database().Connection());
    query.setForwardOnly(true);
    // A week start stored with a time of day still falls on its day. No DISTINCT: the
    // engine would walk the name index and look up every row (40 times slower).
    CRecordsDatabase::Prepare(query, QStringLiteral(
        "SELECT ChildName FROM ChildPaymentInformation "
        "WHERE WeekStart >= ? AND WeekStart < ?"));
    query.addBindValue(CDbDate::FromDate(first).Days());
    query.addBindValue(CDbDate::FromDate(last.addDays(1)).Days());
    CRecordsDatabase::Exec(query);
    QSet<QString> names;
    while (query.next())
        names.insert(query.value(0).toString());
    return names;
}

void CDBChildPaymentSet::DoFieldExchange(CFieldExchange& exchange)
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
