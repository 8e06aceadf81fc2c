#include "TuitionTestKit.h"

#include "settings/ProgramSettings.h"
#include "records/PaymentTable.h"
#include "records/EnrollmentTable.h"

#include <cmath>
#include <limits>

namespace {

const TuitionRates kRates;   // 66.66 full time, 69.66 part time, 30 an extra hour

WeeklyPayment FirstWeekOf(const QString& name)
{
    PaymentTable set;
    const auto rows = WeeklyPayments::ChildRows(set, name);
    return rows.empty() ? WeeklyPayment{} : rows.front();
}

} // namespace

class WeeklyPaymentsTest : public TuitionTest
{
protected:
    bool AddThisWeek(const QString& name, WeeklyPayment* added = nullptr)
    {
        EnrollmentTable enrollment;
        PaymentTable payments;
        return WeeklyPayments::AddCurrentWeek(enrollment, payments, name, QDate(2024, 3, 6),
                                              kRates, added);
    }
};

TEST_F(WeeklyPaymentsTest, NewWeekChargesPartTimeAndFullTimeRates)
{
    Enroll(QStringLiteral("Ann"), 3, 10);
    Enroll(QStringLiteral("Ben"), 5, 0);
    ASSERT_TRUE(AddThisWeek(QStringLiteral("Ann")));
    ASSERT_TRUE(AddThisWeek(QStringLiteral("Ben")));

    const WeeklyPayment ann = FirstWeekOf(QStringLiteral("Ann"));
    EXPECT_DOUBLE_EQ(ann.weeklyFee, 3 * 69.66);
    EXPECT_DOUBLE_EQ(ann.weeklyPbg, 30);
    EXPECT_DOUBLE_EQ(ann.debit, 3 * 69.66 - 30);
    const QStringList texts = WeeklyPayments::RowTexts(ann);
    ASSERT_EQ(texts.size(), 13);
    EXPECT_EQ(texts[0], QStringLiteral("2024-03-04"));
    EXPECT_EQ(texts[1], QStringLiteral("2024-03-10"));
    EXPECT_EQ(texts[3], QStringLiteral("3"));
    EXPECT_EQ(texts[4], QStringLiteral("  208.98"));
    EXPECT_EQ(texts[8], QStringLiteral("   30.00"));
    EXPECT_EQ(texts[10], QString());
    EXPECT_EQ(texts[12], QStringLiteral("  178.98"));
    EXPECT_EQ(WeeklyPayments::Amount(FirstWeekOf(QStringLiteral("Ben")).weeklyFee),
              QStringLiteral("  333.30"));
}

TEST_F(WeeklyPaymentsTest, AddNeedsAnEnrollmentRowAndAddsASecondRowForTheSameWeek)
{
    EXPECT_FALSE(AddThisWeek(QStringLiteral("Nobody")));
    EXPECT_EQ(PaymentRows(), 0);
    Enroll(QStringLiteral("Ann"), 3, 10);
    EXPECT_TRUE(AddThisWeek(QStringLiteral("Ann")));
    EXPECT_TRUE(AddThisWeek(QStringLiteral("Ann")));
    EXPECT_EQ(PaymentRows(), 2);
}

TEST_F(WeeklyPaymentsTest, AnEntryRecomputesChargeAndDebitAndKeepsFeeAndGovernmentShare)
{
    Enroll(QStringLiteral("Ann"), 3, 10);
    WeeklyPayment week;
    ASSERT_TRUE(AddThisWeek(QStringLiteral("Ann"), &week));
    const PaymentEntry entry{QDate(2024, 3, 8), 100, 2, 5, QStringLiteral("Cash")};
    const WeeklyPayment paid = WeeklyPayments::Entered(week, entry, kRates);
    EXPECT_DOUBLE_EQ(paid.extraCharge, 60);
    EXPECT_NEAR(paid.debit, 133.98, 1e-9);
    EXPECT_EQ(WeeklyPayments::Amount(paid.debit), QStringLiteral("  133.98"));
    EXPECT_EQ(paid.paidDate, QStringLiteral("2024- 3- 8"));

    PaymentTable set;
    ASSERT_TRUE(WeeklyPayments::UpdateRow(set, paid, QStringLiteral("2024-03-04"),
                                          QStringLiteral("2024-03-10")));
    const auto stored = Inspect(QStringLiteral(
        "SELECT WeeklyFee, SessionDays, ExtraCharge, Debit, PaidDate, PaidBy, Discount "
        "FROM ChildPaymentInformation"));
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_DOUBLE_EQ(stored[0][0].toDouble(), 3 * 69.66);
    EXPECT_EQ(stored[0][1].toInt(), 3);
    EXPECT_DOUBLE_EQ(stored[0][2].toDouble(), 60);
    EXPECT_NEAR(stored[0][3].toDouble(), 133.98, 1e-9);
    EXPECT_EQ(stored[0][4].toString(), QStringLiteral("2024- 3- 8"));
    EXPECT_EQ(stored[0][5].toString(), QStringLiteral("Cash"));
    EXPECT_DOUBLE_EQ(stored[0][6].toDouble(), 5);
}

TEST_F(WeeklyPaymentsTest, UpdateAndDeleteReachOnlyTheChildsRowOfThatWeek)
{
    const QDate march4(2024, 3, 4);
    AddWeek(QStringLiteral("Ann"), march4, 1);
    AddWeek(QStringLiteral("Ann"), march4.addDays(7), 2);
    AddWeek(QStringLiteral("Ben"), march4, 3);
    PaymentTable set;
    EXPECT_FALSE(WeeklyPayments::DeleteRow(set, QStringLiteral("Ann"),
                                           QStringLiteral("2024-03-11"),
                                           QStringLiteral("2024-03-10")));
    EXPECT_TRUE(WeeklyPayments::DeleteRow(set, QStringLiteral("Ann"),
                                          QStringLiteral("2024-03-04"),
                                          QStringLiteral("2024-03-10")));
    const auto left = Inspect(QStringLiteral(
        "SELECT ChildName, Debit FROM ChildPaymentInformation ORDER BY Debit"));
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0][1].toDouble(), 2);
    EXPECT_EQ(left[1][0].toString(), QStringLiteral("Ben"));

    WeeklyPayment gone;
    gone.childName = QStringLiteral("Ann");
    EXPECT_FALSE(WeeklyPayments::UpdateRow(set, gone, QStringLiteral("2024-03-04"),
                                           QStringLiteral("2024-03-10")));
    EXPECT_EQ(PaymentRows(), 2);
}

TEST_F(WeeklyPaymentsTest, MonthRowsKeepWeeksStartingInTheMonthAlsoForTheClassFolder)
{
    AddWeek(QStringLiteral("Ann"), QDate(2024, 2, 26), 1);   // ends in March
    AddWeek(QStringLiteral("Ann"), QDate(2024, 3, 4), 2);
    AddWeek(QStringLiteral("Ben"), QDate(2024, 3, 25), 3);   // ends in April
    AddWeek(QStringLiteral("Ben"), QDate(2023, 3, 6), 4);    // March a year earlier
    PaymentTable set;
    EXPECT_EQ(WeeklyPayments::MonthRows(set, QStringLiteral("Ann"), 2024, 3).size(), 1u);
    const auto all = WeeklyPayments::MonthRows(set, QStringLiteral("AAA"), 2024, 3);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].debit, 2);
    EXPECT_EQ(all[1].debit, 3);
}

TEST(WeeklyPaymentTexts, PaidDateIsReadBackOrToday)
{
    const QDate today(2024, 3, 6);
    using WeeklyPayments::PaidDateOf;
    EXPECT_EQ(PaidDateOf(QStringLiteral("2024- 3- 8"), today), QDate(2024, 3, 8));
    EXPECT_EQ(PaidDateOf(QStringLiteral("2023-12-25"), today), QDate(2023, 12, 25));
    EXPECT_EQ(PaidDateOf(QString(), today), today);
    // Texts typed into the table by other means name no date.
    EXPECT_EQ(PaidDateOf(QStringLiteral("paid"), today), today);
    EXPECT_EQ(PaidDateOf(QStringLiteral("2024-13-40"), today), today);
    EXPECT_EQ(PaidDateOf(QStringLiteral("-"), today), today);
}

TEST(WeeklyPaymentTexts, DiscountIsOfferedTruncatedTowardZero)
{
    using WeeklyPayments::OfferedDiscount;
    EXPECT_EQ(OfferedDiscount(12.9), 12);
    EXPECT_EQ(OfferedDiscount(-12.9), -12);
    EXPECT_EQ(OfferedDiscount(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(OfferedDiscount(std::nan("")), 0);
}
