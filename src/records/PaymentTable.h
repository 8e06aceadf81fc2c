#pragma once

#include "records/Recordset.h"

#include <QSet>

// The tuition rows: one per child per week.
class PaymentTable : public Recordset
{
public:
    PaymentTable();

    // The rows of one child; "AAA" (the class folder) or an empty name selects every row.
    void SelectChild(const QString& name);
    // The children with a row whose week starts from `first` to `last`, read straight from
    // the file (inside a write transaction, what no other process can change meanwhile).
    QSet<QString> ChildrenWithWeekStarting(const QDate& first, const QDate& last);

    DbDate m_WeekStart;
    DbDate m_WeekEnd;
    QString m_ChildName;
    qint32 m_SessionDays{};
    double m_WeeklyFee{};
    double m_ExtraHours{};
    double m_ExtraCharge{};
    double m_Discount{};
    double m_PayFromGovernment{};
    double m_PayFromParent{};
    QString m_PaidDate;
    QString m_PaidBy;
    double m_Debit{};
    double m_Balance{};
    QString m_Note;

protected:
    void DoFieldExchange(FieldExchange& exchange) override;
};
