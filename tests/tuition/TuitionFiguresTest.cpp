#include "records/DbDate.h"
#include "tuition/StatementFigures.h"
#include "tuition/TuitionWeek.h"
#include "support/TuitionWeeks.h"

#include <gtest/gtest.h>

namespace {

WeeklyPayment Week(const QDate& monday, double debit)
{
    WeeklyPayment week = TuitionWeekOf({}, monday, 3, 100);
    week.debit = debit;
    return week;
}

TuitionWeek Holding(int year, int month, int day)
{
    return TuitionWeek::Holding(QDate(year, month, day));
}

} // namespace

TEST(StatementFigures, ListTheMonthCarryEarlierDebitsAndIgnoreLaterOnes)
{
    const std::vector<WeeklyPayment> rows{
        Week(QDate(2024, 2, 5), 10),  Week(QDate(2024, 2, 26), 20),   // February
        Week(QDate(2024, 3, 4), 1.5), Week(QDate(2024, 3, 11), 2.25), // March
        Week(QDate(2024, 4, 1), 1000),                               // April
    };
    const StatementFigures march = TuitionStatement::Figures(rows, 2024, 3);
    ASSERT_EQ(march.rows.size(), 2u);
    EXPECT_EQ(march.rows[0].debit, 1.5);
    EXPECT_EQ(march.forward, 30);
    EXPECT_EQ(march.debitOfMonth, 3.75);
    EXPECT_EQ(march.totals.fee, 200);
}

TEST(StatementFigures, JanuaryCarriesEveryEarlierYearAndMoneyGluesTheSymbolOn)
{
    std::vector<WeeklyPayment> rows;
    for (QDate monday(2011, 12, 26); monday < QDate(2013, 2, 1); monday = monday.addDays(7))
        rows.push_back(Week(monday, 1));
    const StatementFigures january = TuitionStatement::Figures(rows, 2013, 1);
    // 31 Dec 2012 starts a week that ends in January: it counts to December.
    EXPECT_EQ(january.forward, 54);
    EXPECT_EQ(january.rows.size(), 4u);
    // A week start that names no date counts as earlier.
    rows.push_back(WeeklyPayment{});
    rows.back().weekStart = DbDate::Invalid();
    rows.back().debit = 7;
    EXPECT_EQ(TuitionStatement::Figures(rows, 2013, 1).forward, 61);

    EXPECT_EQ(TuitionStatement::Money(QStringLiteral("$"), 133.98), QStringLiteral("$133.98"));
    EXPECT_EQ(TuitionStatement::Money(QStringLiteral("€"), -5), QStringLiteral("€-5.00"));
}

TEST(TuitionWeek, RunsFromMondayToSundayAndItsMarkersKeepSpacesWhereShownDatesHaveZeros)
{
    // 10 June 2024 is a Monday.
    const TuitionWeek june{QDate(2024, 6, 10), QDate(2024, 6, 16)};
    for (int day = 10; day <= 16; ++day)
        EXPECT_EQ(Holding(2024, 6, day), june) << day;
    EXPECT_EQ(Holding(2024, 6, 9), (TuitionWeek{QDate(2024, 6, 3), QDate(2024, 6, 9)}));
    EXPECT_EQ(Holding(2024, 6, 17), (TuitionWeek{QDate(2024, 6, 17), QDate(2024, 6, 23)}));
    EXPECT_EQ(Holding(2024, 12, 31), (TuitionWeek{QDate(2024, 12, 30), QDate(2025, 1, 5)}));
    // 2100 is not a leap year and 2000 is.
    EXPECT_EQ(Holding(2100, 3, 1).start, QDate(2100, 3, 1));
    EXPECT_EQ(Holding(2000, 3, 1).start, QDate(2000, 2, 28));

    const TuitionWeek week = Holding(2024, 2, 1);
    EXPECT_EQ(week.StartText(), QStringLiteral("2024- 1-29"));
    EXPECT_EQ(week.EndText(), QStringLiteral("2024- 2- 4"));
    EXPECT_EQ(week.ShownText(), QStringLiteral("2024-01-29 to 2024-02-04"));
    // The records hold the years 100 to 9999: the week of 1 January 100 starts in 99.
    EXPECT_FALSE(Holding(100, 1, 1).IsStorable());
    EXPECT_TRUE(Holding(100, 1, 4).IsStorable());

    EXPECT_EQ(ShownDate(DbDate::FromDate(QDate(812, 3, 4))), QStringLiteral("0812-03-04"));
    EXPECT_EQ(ShownDate(DbDate::Invalid()), QStringLiteral("-1--1--1"));
    // A stored paid date keeps its spaces in the file and shows with zeros.
    EXPECT_EQ(ShownDateText(QStringLiteral("2024- 3- 8")), QStringLiteral("2024-03-08"));
    EXPECT_EQ(ShownDateText(QStringLiteral("last Friday")), QStringLiteral("last Friday"));
}
