#include "records/RecordsTestKit.h"

#include "platform/SettingsStore.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsKeys.h"
#include "support/DatabaseFile.h"
#include "support/EnrolledChildren.h"
#include "support/TuitionWeeks.h"
#include "tuition/WeekCheck.h"
#include "tuition/WeeklyPayments.h"

#include <cmath>
#include <limits>

namespace {

// A records folder with enrolled children and their weekly rows.
class TuitionRowsTest : public RecordsTest
{
protected:
    TuitionRowsTest() { EnsureRecordsDatabase(); }

    WeekCheck::Result Check(const QDate& today, WeekCheck::CompletedWeek* completed = nullptr)
    {
        return WeekCheck::Run(m_home.Settings(), m_enrollment, m_payments, today,
                              TuitionRates(), completed);
    }
    QString Marker(const char* key) const
    {
        return m_home.Settings().GetString(SettingsKey::Setting, key);
    }
    int PaymentRows() { return CountRows("ChildPaymentInformation"); }

    EnrollmentTable m_enrollment;
    PaymentTable m_payments;
};

TEST_F(TuitionRowsTest, TheWeekCheckMakesEachChildsRowOnceAWeek)
{
    Enroll(QStringLiteral("Ann"), 3, 10);
    Enroll(QStringLiteral("Ben"), 5, 0);
    EXPECT_EQ(Check(QDate(2024, 3, 6)).outcome, WeekCheck::Outcome::Generated);
    EXPECT_EQ(Marker(SettingsKey::WeekStart), QStringLiteral("2024- 3- 4"));
    EXPECT_EQ(Marker(SettingsKey::WeekEnd), QStringLiteral("2024- 3-10"));
    EXPECT_EQ(PaymentRows(), 2);

    // Every later check of the same week, also on its Sunday, adds nothing.
    EXPECT_EQ(Check(QDate(2024, 3, 6)).outcome, WeekCheck::Outcome::SameWeek);
    EXPECT_EQ(Check(QDate(2024, 3, 10)).outcome, WeekCheck::Outcome::SameWeek);
    EXPECT_EQ(PaymentRows(), 2);

    EXPECT_EQ(Check(QDate(2024, 3, 11)).outcome, WeekCheck::Outcome::Generated);
    EXPECT_EQ(PaymentRows(), 4);
}

TEST_F(TuitionRowsTest, AnEngineErrorInTheWeekCheckWritesNoRowOfTheWeekAndKeepsTheOldMarkers)
{
    Enroll(QStringLiteral("Ann"), 3, 10);
    Enroll(QStringLiteral("Ben"), 5, 0);
    ASSERT_EQ(Check(QDate(2024, 3, 6)).outcome, WeekCheck::Outcome::Generated);
    // The second child's row is refused by the engine.
    QueryDatabaseFile(DatabaseFile(), QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON ChildPaymentInformation "
        "WHEN NEW.ChildName = 'Ben' BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    EXPECT_THROW(Check(QDate(2024, 3, 11)), DatabaseError);
    EXPECT_EQ(PaymentRows(), 2);
    EXPECT_EQ(Marker(SettingsKey::WeekStart), QStringLiteral("2024- 3- 4"));

    // Once the engine takes the rows, the week is made in full, once.
    QueryDatabaseFile(DatabaseFile(), QStringLiteral("DROP TRIGGER refuse"));
    EXPECT_EQ(Check(QDate(2024, 3, 12)).outcome, WeekCheck::Outcome::Generated);
    EXPECT_EQ(PaymentRows(), 4);
}

TEST_F(TuitionRowsTest, TheRowsOfTheWeekDecideTheWeekCheckNotTheMarkers)
{
    Enroll(QStringLiteral("Ann"), 3, 10);
    // A check of another application folder already noted this week.
    m_home.Settings().WriteString(SettingsKey::Setting, SettingsKey::WeekStart,
                                  QStringLiteral("2024- 3- 4"));
    m_home.Settings().WriteString(SettingsKey::Setting, SettingsKey::WeekEnd,
                                  QStringLiteral("2024- 3-10"));
    EXPECT_EQ(Check(QDate(2024, 3, 6)).outcome, WeekCheck::Outcome::Generated);
    EXPECT_EQ(PaymentRows(), 1);

    // A child enrolled since gets the week; a week start stored with a time counts too.
    Enroll(QStringLiteral("Ben"), 5, 0);
    Inspect(QStringLiteral("UPDATE ChildPaymentInformation SET WeekStart = WeekStart + 0.5"));
    const WeekCheck::Result result = Check(QDate(2024, 3, 10));
    EXPECT_EQ(result.generation.added, 1);
    EXPECT_EQ(result.generation.charged, 1);
    EXPECT_EQ(PaymentRows(), 2);

    // A running program checks a week it completed in this database only once.
    WeekCheck::CompletedWeek completed;
    Inspect(QStringLiteral("DELETE FROM ChildPaymentInformation WHERE ChildName = 'Ben'"));
    Check(QDate(2024, 3, 8), &completed);
    Inspect(QStringLiteral("DELETE FROM ChildPaymentInformation WHERE ChildName = 'Ben'"));
    EXPECT_EQ(Check(QDate(2024, 3, 9), &completed).outcome, WeekCheck::Outcome::SameWeek);
    EXPECT_EQ(PaymentRows(), 1);
}

TEST_F(TuitionRowsTest, UpdateAndDeleteReachOnlyTheChildsRowOfThatWeek)
{
    const QDate march4(2024, 3, 4);
    StoreOwedWeek(QStringLiteral("Ann"), march4, 1);
    StoreOwedWeek(QStringLiteral("Ann"), march4.addDays(7), 2);
    StoreOwedWeek(QStringLiteral("Ben"), march4, 3);
    EXPECT_FALSE(WeeklyPayments::DeleteRow(m_payments, QStringLiteral("Ann"),
                                           QStringLiteral("2024-03-11"),
                                           QStringLiteral("2024-03-10")));
    EXPECT_TRUE(WeeklyPayments::DeleteRow(m_payments, QStringLiteral("Ann"),
                                          QStringLiteral("2024-03-04"),
                                          QStringLiteral("2024-03-10")));
    const auto left = Inspect(QStringLiteral(
        "SELECT ChildName, Debit FROM ChildPaymentInformation ORDER BY Debit"));
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].value(1).toDouble(), 2);
    EXPECT_EQ(left[1].value(0).toString(), QStringLiteral("Ben"));

    WeeklyPayment gone;
    gone.childName = QStringLiteral("Ann");
    EXPECT_FALSE(WeeklyPayments::UpdateRow(m_payments, gone, QStringLiteral("2024-03-04"),
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

} // namespace
