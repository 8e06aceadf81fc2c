#include "records/EnrollmentTable.h"

EnrollmentTable::EnrollmentTable()
    : Recordset(RecordsSchema::kChildEnrollment)
{
    SetDefaults();
}

void EnrollmentTable::SelectChild(const QString& name)
{
    SelectName(name, name.isEmpty() || name == QLatin1String("All"));
}

bool EnrollmentTable::SelectNamed(const QString& name)
{
    SelectName(name, false);
    return !IsEOF();
}

void EnrollmentTable::DoFieldExchange(FieldExchange& exchange)
{
    exchange.Text("ChildName", m_ChildName);
    exchange.Text("ChildRefrenceNo", m_ChildRefrenceNo);
    exchange.Date("Birthday", m_Birthday);
    exchange.Date("EnrollDate", m_EnrollDate);
    exchange.Text("Class", m_Class);
    exchange.Long("EnrollType", m_EnrollType, 5);
    exchange.Text("Mother", m_Mother);
    exchange.Text("Father", m_Father);
    exchange.Double("PayFromGovernment", m_PayFromGovernment);
    exchange.Text("GrandParents", m_GrandParents);
    exchange.Text("Email", m_Email);
    exchange.Text("ContactNumber", m_ContactNumber);
    exchange.Text("Address", m_Address);
    exchange.Text("Immunisation", m_Immunisation);
    exchange.Text("Note", m_Note);
    exchange.Text("Reserved1", m_Reserved1);
    exchange.Text("Reserved2", m_Reserved2);
}
