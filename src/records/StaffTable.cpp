#include "records/StaffTable.h"

StaffTable::StaffTable()
    : Recordset(RecordsSchema::kEmployeeInfo)
{
    SetDefaults();
}

void StaffTable::SelectStaff(const QString& name)
{
    if (GetDefaultDBName().isEmpty())
        return;
    const bool everyone = name.compare(QLatin1String("All"), Qt::CaseInsensitive) == 0;
    SelectName(name, name.isEmpty() || everyone);
}

void StaffTable::DoFieldExchange(FieldExchange& exchange)
{
    exchange.Text("Email", m_Email);
    exchange.Text("Name", m_Name);
    exchange.Text("Phone", m_Phone);
    exchange.Text("Address", m_Address);
    exchange.Text("Note", m_Note);
    exchange.Text("Department", m_Department);
    exchange.Date("EmployedDate", m_EmployedDate);
    exchange.Text("Position", m_Position);
}
