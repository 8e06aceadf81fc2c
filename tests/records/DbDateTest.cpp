#include "records/DbDate.h"

#include <gtest/gtest.h>
#include <limits>

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
