#pragma once

#include "records/Recordset.h"

#include <array>

// The time sheets: one row per staff member per month, one text per day.
class TimeSheetTable : public Recordset
{
public:
    TimeSheetTable();

    // The rows of one staff member; an empty name selects the rows of an empty name.
    // Does nothing when there is no application folder.
    void SelectStaff(const QString& name);

    QString m_Name;
    qint32 m_Year{};
    qint32 m_Month{};
    std::array<QString, 31> m_Day;   // m_Day[0] is Day1
    QString m_Note;

protected:
    void DoFieldExchange(FieldExchange& exchange) override;
};
