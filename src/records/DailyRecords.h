#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

class DailyRecordTable;

// One day of one child: who collected the child, when, and the two notes.
struct DailyRecord
{
    qint32 index = 0;   // a running number over the whole table
    QDate date;
    QString childName;
    QString pickup;
    QString pickupTime;
    QString note;          // the teacher's
    QString parentsNote;
    QString reserved1;
    QString reserved2;

    bool operator==(const DailyRecord& other) const = default;
};

namespace DailyRecords {

// The entries of the "Who Pickup" and "Pickup Time" drop-downs.
QStringList PickupChoices();
QStringList PickupTimeChoices();

// The child's records dated in the month of `today`, in table order.
std::vector<DailyRecord> MonthRecords(DailyRecordTable& set, const QString& childName,
                                       const QDate& today);

// Stores a new record with the next index (the table's last plus 1, or 1) and returns
// that index. The set is closed afterwards.
qint32 AddRecord(DailyRecordTable& set, DailyRecord record);
// Rewrites the child's row with the record's index; false when there is none.
bool UpdateRecord(DailyRecordTable& set, const DailyRecord& record);
// Deletes the child's row with that index; false when there is none.
bool DeleteRecord(DailyRecordTable& set, const QString& childName, qint32 index);

} // namespace DailyRecords
