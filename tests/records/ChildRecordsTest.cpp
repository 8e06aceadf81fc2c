#include "RecordsTestKit.h"

#include "platform/Clock.h"
#include "records/ChildRecords.h"
#include "records/DailyRecordTable.h"
#include "records/DailyRecords.h"
#include "records/DbDate.h"
#include "records/RecordsSchema.h"

#include <limits>

namespace {

DailyRecord Day(const QString& child, const QDate& date, const QString& who = {})
{
    DailyRecord record;
    record.childName = child;
    record.date = date;
    record.pickup = who;
    return record;
}

class DailyRecordsTest : public RecordsTest
{
protected:
    DailyRecordsTest()
    {
        EnsureRecordsDatabase();
        Clock::SetNow(QDateTime(QDate(2026, 12, 1), QTime(0, 30), Qt::UTC));
    }

    std::vector<qint32> ListedIndexes(const QString& child)
    {
        std::vector<qint32> indexes;
        for (const DailyRecord& record :
             DailyRecords::MonthRecords(m_set, child, Clock::TodayUtc()))
            indexes.push_back(record.index);
        return indexes;
    }

    DailyRecordTable m_set;
};

} // namespace

TEST(ChildRecordsText, DailyPbgTextItsWayBackAndTheClassFoldersOwnSpelling)
{
    EXPECT_EQ(ChildRecords::PbgText(12.345), QStringLiteral("   12.35"));
    EXPECT_EQ(ChildRecords::ParseAmount(QStringLiteral("abc")), 0);
    EXPECT_EQ(ChildRecords::ParseAmount(QStringLiteral("    10.50")), 10.5);
    EXPECT_EQ(ChildRecords::ParseAmount(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(ChildRecords::ParseAmount(QStringLiteral("1e999")), 0);
    EXPECT_EQ(ChildRecords::ParseAmount(QStringLiteral("10,50")), 10);

    EXPECT_FALSE(ChildRecords::IsChildFolderName(QStringLiteral("AAA")));
    EXPECT_TRUE(ChildRecords::IsChildFolderName(QStringLiteral("aaa")));
}

TEST_F(DailyRecordsTest, OnlyTheCurrentUtcMonthIsListed)
{
    const QString amy = QStringLiteral("Amy");
    DailyRecords::AddRecord(m_set, Day(amy, QDate(2026, 11, 30)));   // last month
    DailyRecords::AddRecord(m_set, Day(amy, QDate(2026, 12, 1)));
    DailyRecords::AddRecord(m_set, Day(amy, QDate(2025, 12, 15)));   // a year ago
    DailyRecords::AddRecord(m_set, Day(QStringLiteral("Ben"), QDate(2026, 12, 2)));
    DailyRecords::AddRecord(m_set, Day(amy, QDate(2026, 12, 31)));
    EXPECT_EQ(ListedIndexes(amy), (std::vector<qint32>{2, 5}));
    EXPECT_EQ(CountRows(RecordsSchema::kChildDailyRecord), 5);
}

TEST_F(DailyRecordsTest, EditAndDeleteReachOnlyTheNamedChildsRow)
{
    const QDate today = Clock::TodayUtc();
    DailyRecords::AddRecord(m_set, Day(QStringLiteral("Amy"), today));
    DailyRecords::AddRecord(m_set, Day(QStringLiteral("Ben"), today, QStringLiteral("Father")));
    EXPECT_FALSE(m_set.IsOpen());

    DailyRecord record = Day(QStringLiteral("Amy"), today, QStringLiteral("Aunt Jo"));
    record.index = 2;   // Ben's row is not Amy's
    EXPECT_FALSE(DailyRecords::UpdateRecord(m_set, record));
    EXPECT_FALSE(DailyRecords::DeleteRecord(m_set, QStringLiteral("Amy"), 2));
    const auto ben = DailyRecords::MonthRecords(m_set, QStringLiteral("Ben"), today);
    ASSERT_EQ(ben.size(), 1u);
    EXPECT_EQ(ben[0].pickup, QStringLiteral("Father"));
}

TEST(DbDateTest, CountsDaysFrom1899AndTextsGoBothWaysWhileNoDateShowsMinusOne)
{
    EXPECT_EQ(DbDate::FromDate(QDate(1899, 12, 30)).Days(), 0);
    EXPECT_EQ(DbDate::FromDate(QDate(2024, 2, 29)).Days(), 45351);
    EXPECT_EQ(DbDate(45351.75).DateTime(), QDateTime(QDate(2024, 2, 29), QTime(18, 0), Qt::UTC));
    // Before the base day the fraction still counts forward from midnight.
    const QDateTime morning(QDate(1899, 12, 29), QTime(6, 0), Qt::UTC);
    EXPECT_EQ(DbDate(-1.25).DateTime(), morning);
    EXPECT_DOUBLE_EQ(DbDate::FromDateTime(morning).Days(), -1.25);

    for (const DbDate& date :
         {DbDate(std::numeric_limits<double>::quiet_NaN()), DbDate(1e300), DbDate(-1e7),
          DbDate::FromDate(QDate())}) {
        EXPECT_FALSE(date.Date().isValid());
        EXPECT_EQ(date.PlainText(), QStringLiteral("-1--1--1"));
    }
    EXPECT_TRUE(DbDate::FromDate(QDate(9999, 12, 31)).IsValid());
    EXPECT_FALSE(DbDate::FromDate(QDate(10000, 1, 1)).IsValid());
    EXPECT_TRUE(DbDate::FromDate(QDate(100, 1, 1)).IsValid());

    const DbDate date = DbDate::FromDate(QDate(2026, 1, 5));
    EXPECT_EQ(date.PlainText(), QStringLiteral("2026-1-5"));
    EXPECT_EQ(date.PaddedText(), QStringLiteral("2026- 1- 5"));
    EXPECT_EQ(ParsePaddedDate(date.PaddedText()), QDate(2026, 1, 5));
    EXPECT_EQ(ParsePaddedDate(QStringLiteral("2026-12-31")), QDate(2026, 12, 31));
    for (const char* text : {"", "2026- 2-30", "-1--1--1", "2026-1-5x", "12345-1-1"})
        EXPECT_FALSE(ParsePaddedDate(QString::fromLatin1(text)).isValid()) << text;
}
