#include "records/DbDate.h"
#include "tuition/TuitionWeek.h"

#include <gtest/gtest.h>

namespace {

TuitionWeek Week(int year, int month, int day)
{
    return TuitionWeek::Holding(QDate(year, month, day));
}

} // namespace

TEST(TuitionWeek, RunsFromMondayToSundayAndItsMarkersKeepSpacesWhereShownDatesHaveZeros)
{
    // 10 June 2024 is a Monday.
    const TuitionWeek june{QDate(2024, 6, 10), QDate(2024, 6, 16)};
    for (int day = 10; day <= 16; ++day)
        EXPECT_EQ(Week(2024, 6, day), june) << day;
    EXPECT_EQ(Week(2024, 6, 9), (TuitionWeek{QDate(2024, 6, 3), QDate(2024, 6, 9)}));
    EXPECT_EQ(Week(2024, 6, 17), (TuitionWeek{QDate(2024, 6, 17), QDate(2024, 6, 23)}));
    EXPECT_EQ(Week(2024, 12, 31), (TuitionWeek{QDate(2024, 12, 30), QDate(2025, 1, 5)}));
    // 2100 is not a leap year and 2000 is.
    EXPECT_EQ(Week(2100, 3, 1).start, QDate(2100, 3, 1));
    EXPECT_EQ(Week(2000, 3, 1).start, QDate(2000, 2, 28));

    const TuitionWeek week = Week(2024, 2, 1);
    EXPECT_EQ(week.StartText(), QStringLiteral("2024- 1-29"));
    EXPECT_EQ(week.EndText(), QStringLiteral("2024- 2- 4"));
    EXPECT_EQ(week.ShownText(), QStringLiteral("2024-01-29 to 2024-02-04"));
    // The records hold the years 100 to 9999: the week of 1 January 100 starts in 99.
    EXPECT_FALSE(Week(100, 1, 1).IsStorable());
    EXPECT_TRUE(Week(100, 1, 4).IsStorable());

    EXPECT_EQ(ShownDate(DbDate::FromDate(QDate(812, 3, 4))), QStringLiteral("0812-03-04"));
    EXPECT_EQ(ShownDate(DbDate::Invalid()), QStringLiteral("-1--1--1"));
    // A stored paid date keeps its spaces in the file and shows with zeros.
    EXPECT_EQ(ShownDateText(QStringLiteral("2024- 3- 8")), QStringLiteral("2024-03-08"));
    EXPECT_EQ(ShownDateText(QStringLiteral("last Friday")), QStringLiteral("last Friday"));
}
