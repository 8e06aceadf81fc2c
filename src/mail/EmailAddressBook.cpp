#include "mail/EmailAddressBook.h"

#include <QDir>
#include <QFile>

namespace {

// A NUL-terminated UTF-16LE text inside [begin, end) of a record; a field without
// a terminator ends where the field ends.
QString ReadField(QByteArrayView record, qsizetype begin, qsizetype end)
{
    QString text;
    for (qsizetype i = begin; i + 1 < end; i += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(record[i])
                                                    | (static_cast<unsigned char>(record[i + 1]) << 8));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

QString EmailAddressBook::DefaultPath()
{
    return QDir::current().filePath(QStringLiteral("../EmailAddressBook.dat"));
}

QList<AddressBookEntry> EmailAddressBook::Parse(QByteArrayView data)
{
    QList<AddressBookEntry> entries;
    for (qsizetype offset = 0; offset + kRecordSize <= data.size() && entries.size() < kMaxEntries;
         offset += kRecordSize) {
        const QByteArrayView record = data.sliced(offset, kRecordSize);
        entries.append({ReadField(record, 0, kAddressOffset),
                        ReadField(record, kAddressOffset, kRecordSize)});
    }
    return entries;
}

QList<AddressBookEntry> EmailAddressBook::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Parse(file.read(qint64(kRecordSize) * kMaxEntries));
}
