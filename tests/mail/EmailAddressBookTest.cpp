#include "mail/EmailAddressBook.h"
#include "support/DatabaseFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void PutText(QByteArray& record, int offset, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        record[offset + 2 * i] = static_cast<char>(unit & 0xFF);
        record[offset + 2 * i + 1] = static_cast<char>(unit >> 8);
    }
}

QByteArray Record(const QString& name, const QString& address)
{
    QByteArray record(EmailAddressBook::kRecordSize, '\0');
    PutText(record, 0, name);
    PutText(record, EmailAddressBook::kAddressOffset, address);
    return record;
}

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    return WriteBytes(dir.filePath(QStringLiteral("EmailAddressBook.dat")), bytes);
}

TEST(EmailAddressBookTest, AThousandRecordsGiveThreeHundredEntries)
{
    QByteArray data;
    for (int i = 0; i < 1000; ++i)
        data += Record(QStringLiteral("Child %1").arg(i), QStringLiteral("p%1@example.org").arg(i));
    QTemporaryDir dir;
    const auto entries = EmailAddressBook::Load(WriteFile(dir, data));
    ASSERT_EQ(entries.size(), 300);
    EXPECT_EQ(entries.last(),
              (AddressBookEntry{QStringLiteral("Child 299"), QStringLiteral("p299@example.org")}));
}

TEST(EmailAddressBookTest, MissingShortCutOrUnterminatedFilesGiveWhatCouldBeRead)
{
    QTemporaryDir dir;
    EXPECT_TRUE(EmailAddressBook::Load(dir.filePath(QStringLiteral("none.dat"))).isEmpty());
    EXPECT_TRUE(EmailAddressBook::Load(WriteFile(dir, QByteArray(609, 'x'))).isEmpty());

    const QByteArray oneAndAHalf = Record(QStringLiteral("A"), QStringLiteral("a@x"))
                                 + Record(QStringLiteral("B"), QStringLiteral("b@x")).left(300);
    const auto entries = EmailAddressBook::Load(WriteFile(dir, oneAndAHalf));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].name, QStringLiteral("A"));

    // Garbage: no NUL anywhere. The name may not run into the address, nor the
    // address past its record.
    const auto garbage = EmailAddressBook::Parse(QByteArray(2 * EmailAddressBook::kRecordSize, 'A'));
    ASSERT_EQ(garbage.size(), 2);
    EXPECT_EQ(garbage[0].name.size(), EmailAddressBook::kAddressOffset / 2);
    EXPECT_EQ(garbage[0].address.size(),
              (EmailAddressBook::kRecordSize - EmailAddressBook::kAddressOffset) / 2);
    EXPECT_EQ(garbage[0].name.at(0), QChar(0x4141));
}

} // namespace
