#pragma once

#include "records/Recordset.h"

// The daily rows: who collected a child, when, and the notes of the day.
class DailyRecordTable : public Recordset
{
public:
    DailyRecordTable();

    // The rows of one child; an empty name selects every row.
    void SelectChild(const QString& name);

    // The Index of the table's last row, 0 when the table is empty: a new record takes
    // this plus 1. Reads one row, whatever the filter.
    qint32 LastIndex();

    qint32 m_Index{};
    DbDate m_Date;
    QString m_ChildName;
    QString m_Pickup;
    QString m_PickupTime;
    QString m_Note;
    QString m_ParentsNote;
    QString m_Reserved1;
    QString m_Reserved2;

protected:
    void DoFieldExchange(FieldExchange& exchange) override;
};
