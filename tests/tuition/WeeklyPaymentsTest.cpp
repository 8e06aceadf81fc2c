#include "TuitionTestKit.h"

#include "records/PaymentTable.h"

#include <cmath>
#include <limits>

using WeeklyPaymentsTest = TuitionTest;

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
    EXPECT_EQ(left[0].value(1).toDouble(), 2);
    EXPECT_EQ(left[1].value(0).toString(), QStringLiteral("Ben"));

    WeeklyPayment gone;
    gone.childName = QStringLiteral("Ann");
    EXPECT_FALSE(WeeklyPayments::UpdateRow(set, gone, QStringLiteral("2024-03-04"),
                                           QStringLiteral("2024-03-10")));
    EXPECT_EQ(PaymentRows(), 2);
}

TEST(WeeklyPaymentTexts, PaidDateIsReadBackOrTodayAndDiscountTruncatedTowardZero)
{
    const QDate today(2024, 3, 6);
    using WeeklyPayments::PaidDateOf;
    EXPECT_EQ(PaidDateOf(QStringLiteral("2024- 3- 8"), today), QDate(2024, 3, 8));
    // Texts typed into the table by other means name no date.
    EXPECT_EQ(PaidDateOf(QStringLiteral("2024-13-40"), today), today);

    using WeeklyPayments::OfferedDiscount;
    EXPECT_EQ(OfferedDiscount(-12.9), -12);
    EXPECT_EQ(OfferedDiscount(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(OfferedDiscount(std::nan("")), 0);
}
