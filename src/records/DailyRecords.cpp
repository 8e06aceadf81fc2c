#include "records/DailyRecords.h"

#include "records/DailyRecordTable.h"

namespace DailyRecords {

namespace {

DailyRecord ReadRecord(const DailyRecordTable& set)
{
    DailyRecord record;
    record.index = set.m_Index;
    record.date = set.m_Date.Date();
    record.childName = set.m_ChildName;
    record.pickup = set.m_Pickup;
    record.pickupTime = set.m_PickupTime;
    record.note = set.m_Note;
    record.parentsNote = set.m_ParentsNote;
    record.reserved1 = set.m_Reserved1;
    record.reserved2 = set.m_Reserved2;
    return record;
}

void WriteRecord(DailyRecordTable& set, const DailyRecord& record)
{
    set.m_Index = record.index;
    set.m_Date = DbDate::FromDate(record.date);
    set.m_ChildName = record.childName;
    set.m_Pickup = record.pickup;
    set.m_PickupTime = record.pickupTime;
    set.m_Note = record.note;
    set.m_ParentsNote = record.parentsNote;
    set.m_Reserved1 = record.reserved1;
    set.m_Reserved2 = record.reserved2;
}

// Positions the set on the child's row with that index; false when there is none.
bool MoveToRecord(DailyRecordTable& set, const QString& childName, qint32 index)
{
    set.SelectChild(childName);
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
        if (set.m_Index == index)
            return true;
    }
    return false;
}

} // namespace

QStringList PickupChoices()
{
    return {QStringLiteral("Father"), QStringLiteral("Mother"), QStringLiteral("GrandParent")};
}

QStringList PickupTimeChoices()
{
    QStringList times;
    for (int minutes = 14 * 60; minutes <= 18 * 60 + 30; minutes += 15)
        times << QStringLiteral("%1:%2PM").arg(minutes / 60 - 12).arg(minutes % 60, 2, 10,
                                                                      QLatin1Char('0'));
    return times;
}

std::vector<DailyRecord> MonthRecords(DailyRecordTable& set, const QString& childName,
                                       const QDate& today)
{
    std::vector<DailyRecord> records;
    set.SelectChild(childName);
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
        if (set.m_Date.Year() == today.year() && set.m_Date.Month() == today.month())
            records.push_back(ReadRecord(set));
    }
    return records;
}

qint32 AddRecord(DailyRecordTable& set, DailyRecord record)
{
    record.index = set.LastIndex() + 1;
    // Opening on the child's rows keeps the whole table out of memory.
    set.SelectChild(record.childName);
    set.AddNew();
    WriteRecord(set, record);
    set.Update();
    set.Close();
    return record.index;
}

bool UpdateRecord(DailyRecordTable& set, const DailyRecord& record)
{
    if (!MoveToRecord(set, record.childName, record.index))
        return false;
    set.Edit();
    WriteRecord(set, record);
    set.Update();
    set.Close();
    return true;
}

bool DeleteRecord(DailyRecordTable& set, const QString& childName, qint32 index)
{
    if (!MoveToRecord(set, childName, index))
        return false;
    set.Delete();
    set.Close();
    return true;
}

} // namespace DailyRecords
