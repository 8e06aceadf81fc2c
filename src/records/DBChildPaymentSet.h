#pragma once

#include "records/Recordset.h"

// The tuition rows: one per child per week.
class CDBChildPaymentSet : public CRecordset
{
public:
    CDBChildPaymentSet();

    // The rows of one child; "AAA" (the class folder) or an empty name selects every row.
    void SelectChild(const QString& name);

    CDbDate m_WeekStart;
    CDbDate m_WeekEnd;
    QString m_ChildName;
    qint32 m_SessionDays = 5;
    double m_WeeklyFee = 0;
    double m_ExtraHours = 0;
    double m_ExtraCharge = 0;
    double m_Discount = 0;
    double m_PayFromGovernment = 0;
    double m_PayFromParent = 0;
    QString m_PaidDate;
    QString m_PaidBy;
    double m_Debit = 0;
    double m_Balance = 0;
    QString m_Note;

protected:
    void DoFieldExchange(CFieldExchange& exchange) override;
    void SetDefaults() override;
};
