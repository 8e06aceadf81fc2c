#include "TuitionTestKit.h"

#include "settings/ProgramSettings.h"
#include "settings/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "support/DatabaseFile.h"
#include "records/PaymentTable.h"
#include "records/EnrollmentTable.h"
#include "tuition/WeekCheck.h"

class WeekCheckTest : public TuitionTest
{
protected:
    WeekCheck::Result Check(const QDate& today)
    {
        return WeekCheck::Run(m_home.Settings(), m_enrollment, m_payments, today,
                              TuitionRates());
    }
    QString Marker(const char* key) const
    {
        return m_home.Settings().GetString(SettingsKey::Setting, key);
    }

    EnrollmentTable m_enrollment;
    PaymentTable m_payments;
};

TEST_F(WeekCheckTest, MakesEachChildsRowOnceAWeek)
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

TEST_F(WeekCheckTest, AnEngineErrorWritesNoRowOfTheWeekAndKeepsTheOldMarkers)
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

TEST_F(WeekCheckTest, TheRowsOfTheWeekDecideNotTheMarkers)
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
    WeekCheck::Run(m_home.Settings(), m_enrollment, m_payments, QDate(2024, 3, 8),
                   TuitionRates(), &completed);
    Inspect(QStringLiteral("DELETE FROM ChildPaymentInformation WHERE ChildName = 'Ben'"));
    EXPECT_EQ(WeekCheck::Run(m_home.Settings(), m_enrollment, m_payments, QDate(2024, 3, 9),
                             TuitionRates(), &completed).outcome,
              WeekCheck::Outcome::SameWeek);
    EXPECT_EQ(PaymentRows(), 1);
}
