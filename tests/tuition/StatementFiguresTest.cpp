#include "tuition/StatementFigures.h"

#include <gtest/gtest.h>

namespace {

WeeklyPayment Week(const QDate& monday, double debit, double fee = 100)
{
    WeeklyPayment week;
    week.weekStart = DbDate::FromDate(monday);
    week.weekEnd = DbDate::FromDate(monday.addDays(6));
    week.sessionDays = 3;
    week.weeklyFee = fee;
    week.debit = debit;
    return week;
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
