#pragma once

#include "records/Recordset.h"

// The enrollment rows: one per enrolled child.
class EnrollmentTable : public Recordset
{
public:
    EnrollmentTable();

    // The rows of one child; "All" or an empty name selects every row.
    void SelectChild(const QString& name);
    // The rows of the child with exactly this name, also "All", at the first of them;
    // false when there is none.
    bool SelectNamed(const QString& name);

    QString m_ChildName;
    QString m_ChildRefrenceNo;
    DbDate m_Birthday;
    DbDate m_EnrollDate;
    QString m_Class;
    qint32 m_EnrollType{};
    QString m_Mother;
    QString m_Father;
    double m_PayFromGovernment{};
    QString m_GrandParents;
    QString m_Email;
    QString m_ContactNumber;
    QString m_Address;
    QString m_Immunisation;
    QString m_Note;
    QString m_Reserved1;
    QString m_Reserved2;

protected:
    void DoFieldExchange(FieldExchange& exchange) override;
};
