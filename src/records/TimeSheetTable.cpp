#include "records/TimeSheetTable.h"

TimeSheetTable::TimeSheetTable()
    : Recordset(RecordsSchema::kEmployeeTimeTable)
{
    SetDefaults();
}

void TimeSheetTable::SelectStaff(const QString& name)
{
    if (GetDefaultDBName().isEmpty())
        return;
    SelectName(name, false);
}

void TimeSheetTable::DoFieldExchange(FieldExchange& exchange)
{
    static const std::array<QByteArray, 31> dayColumns = [] {
        std::array<QByteArray, 31> columns;
        for (size_t day = 0; day < columns.size(); ++day)
            columns[day] = "Day" + QByteArray::number(qulonglong(day + 1));
        return columns;
    }();
    exchange.Text("Name", m_Name);
    exchange.Long("Year", m_Year);
    exchange.Long("Month", m_Month);
    for (size_t day = 0; day < m_Day.size(); ++day)
        exchange.Text(dayColumns[day].constData(), m_Day[day]);
    exchange.Text("Note", m_Note);
}
