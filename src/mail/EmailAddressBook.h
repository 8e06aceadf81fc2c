#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

struct AddressBookEntry
{
    QString name;
    QString address;
    bool operator==(const AddressBookEntry&) const = default;
};

// The parents' address book file: fixed records of 610 bytes, a NUL-terminated
// UTF-16 (little-endian) name at byte 0 and address at byte 100. The program
// only reads it. A missing, short or damaged file yields what could be read.
class EmailAddressBook
{
public:
    static constexpr int kRecordSize = 610;
    static constexpr int kAddressOffset = 100;
    static constexpr int kMaxEntries = 300;

    // The file name the program looks for, relative to the working directory.
    static QString DefaultPath();

    // Whole records only, at most kMaxEntries, in file order.
    static QList<AddressBookEntry> Parse(QByteArrayView data);
    // Reads no more of the file than the largest book needs.
    static QList<AddressBookEntry> Load(const QString& path);
};
