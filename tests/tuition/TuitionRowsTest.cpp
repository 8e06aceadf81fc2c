#include "platform/SettingsStore.h"
#include "records/DbDate.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "records/RecordsSchema.h"
#include "records/RecordsTestKit.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsKeys.h"
#include "support/DatabaseFile.h"
#include "support/EnrolledChildren.h"
#include "support/TuitionWeeks.h"
#include "tuition/StatementFigures.h"
#include "tuition/TuitionWeek.h"
#include "tuition/WeekCheck.h"
#include "tuition/WeeklyPayments.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// A records folder with enrolled children and their weekly rows.
class TuitionRowsTest : public EachEngineTest
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

TEST_P(TuitionRowsTest, TheWeekCheckMakesEachChildsRowOnceAWeek)
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

TEST_P(TuitionRowsTest, AnEngineErrorInTheWeekCheckWritesNoRowOfTheWeekAndKeepsTheOldMarkers)
{
    Enroll(QStringLiteral("Ann"), 3, 10);
    Enroll(QStringLiteral("Ben"), 5, 0);
    if (GetParam() == RecordsEngine::Server)
        GTEST_SKIP() << "the engine error is a trigger of the file's engine";
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

TEST_P(TuitionRowsTest, TheRowsOfTheWeekDecideTheWeekCheckNotTheMarkers)
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
    Inspect(QStringLiteral("UPDATE \"ChildPaymentInformation\" SET \"WeekStart\" = \"WeekStart\" + 0.5"));
    const WeekCheck::Result result = Check(QDate(2024, 3, 10));
    EXPECT_EQ(result.generation.added, 1);
    EXPECT_EQ(result.generation.charged, 1);
    EXPECT_EQ(PaymentRows(), 2);

    // A running program checks a week it completed in this database only once.
    WeekCheck::CompletedWeek completed;
    Inspect(QStringLiteral("DELETE FROM \"ChildPaymentInformation\" WHERE \"ChildName\" = 'Ben'"));
    Check(QDate(2024, 3, 8), &completed);
    Inspect(QStringLiteral("DELETE FROM \"ChildPaymentInformation\" WHERE \"ChildName\" = 'Ben'"));
    EXPECT_EQ(Check(QDate(2024, 3, 9), &completed).outcome, WeekCheck::Outcome::SameWeek);
    EXPECT_EQ(PaymentRows(), 1);
}

TEST_P(TuitionRowsTest, UpdateAndDeleteReachOnlyTheChildsRowOfThatWeek)
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
        "SELECT \"ChildName\", \"Debit\" FROM \"ChildPaymentInformation\" ORDER BY \"Debit\""));
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].value(1).toDouble(), 2);
    EXPECT_EQ(left[1].value(0).toString(), QStringLiteral("Ben"));

    WeeklyPayment gone;
    gone.childName = QStringLiteral("Ann");
    EXPECT_FALSE(WeeklyPayments::UpdateRow(m_payments, gone, QStringLiteral("2024-03-04"),
                                           QStringLiteral("2024-03-10")));
    EXPECT_EQ(PaymentRows(), 2);
}

TEST_P(TuitionRowsTest, OlderRowsOfOneWeekStayAndTheCheckAddsOnlyWhatIsMissing)
{
    if (GetParam() == RecordsEngine::Server)
        GTEST_SKIP() << "only files made before one row a week hold two";
    RecordsDatabase::Shared().Close();
    QFile::remove(DatabaseFile());
    for (const RecordsSchema::TableDef& table : RecordsSchema::Tables())
        Inspect(FileTableSql(table.name));
    Inspect(QStringLiteral("INSERT INTO \"ChildPaymentInformation\" (\"ChildName\", "
                           "\"WeekStart\") VALUES ('Ann', 45355), ('Ann', 45355)"));
    Enroll(QStringLiteral("Ann"));
    Enroll(QStringLiteral("Ben"));
    EnsureRecordsDatabase();
    EXPECT_EQ(Check(QDate(2024, 3, 6)).generation.added, 1);   // only Ben's
    EXPECT_EQ(PaymentRows(), 3);
}

INSTANTIATE_TEST_SUITE_P(Engines, TuitionRowsTest, EachRecordsEngine(), RecordsEngineName);

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
