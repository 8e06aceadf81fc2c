#pragma once

#include "records/Recordset.h"

// The staff rows: one per staff member.
class StaffTable : public Recordset
{
public:
    StaffTable();

    // The rows of one staff member; "All" (in any case) or an empty name selects every
    // row. Does nothing when there is no application folder.
    void SelectStaff(const QString& name);

    QString m_Email;
    QString m_Name;
    QString m_Phone;
    QString m_Address;
    QString m_Note;
    QString m_Department;
    DbDate m_EmployedDate;
    QString m_Position;

protected:
    void DoFieldExchange(FieldExchange& exchange) override;
};
