#include "PaymentTestKit.h"

#include "settings/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "records/RecordsDatabase.h"
#include "tuition/WeekCheckRunner.h"

#include <QFile>

namespace {

using View = WeeklyPaymentList;

class WeekCheckTest : public PaymentListTest
{
protected:
    QStringList StoredWeeks() const
    {
        QStringList weeks;
        for (const QSqlRecord& row : StoredRows())
            weeks << row.value("ChildName").toString() + QLatin1Char(' ')
                         + ShownDate(DbDate(row.value("WeekStart").toDouble()));
        return weeks;
    }
};

TEST_F(WeekCheckTest, TheFirstCheckOfAWeekMakesItsRowsAndTheListShowsThem)
{
    Enroll(QStringLiteral("Amy"), 3, 10);
    Enroll(QStringLiteral("Ben"), 5);
    m_view.ShowChild(QStringLiteral("Amy"));
    EXPECT_FALSE(m_view.WeekCheckTimer().isActive()) << "not before the list is first shown";

    m_view.RunWeekCheck();
    EXPECT_EQ(StoredWeeks(), QStringList({"Amy " + kWeekStart, "Ben " + kWeekStart}));
    EXPECT_EQ(Listed(View::DebitColumn), QStringList({"  178.98"}));

    m_view.resize(800, 200);
    m_view.show();
    EXPECT_TRUE(m_view.WeekCheckTimer().isActive());
}

TEST_F(WeekCheckTest, WithoutADatabaseTheMarkersWaitForIt)
{
    Enroll(QStringLiteral("Amy"), 3, 10);
    RecordsDatabase::Shared().Close();
    ASSERT_TRUE(QFile::remove(DatabaseFile()));
    m_view.RunWeekCheck();
    EXPECT_TRUE(m_home.Settings().GetString(SettingsKey::Setting, SettingsKey::WeekStart)
                    .isEmpty());
    EXPECT_FALSE(QFile::exists(DatabaseFile()));

    EnsureRecordsDatabase();
    Enroll(QStringLiteral("Amy"), 3, 10);
    m_view.RunWeekCheck();
    EXPECT_EQ(StoredWeeks(), QStringList({"Amy " + kWeekStart}));
    EXPECT_TRUE(Prompt().Texts().isEmpty());
}

TEST_F(WeekCheckTest, ChildrenWithNamesTooLongForAPaymentRowAreNamedOnce)
{
    const QString longName(60, QLatin1Char('L'));
    Enroll(longName, 3);
    Enroll(QStringLiteral("Amy"), 3);
    m_view.RunWeekCheck();
    m_view.RunWeekCheck();
    EXPECT_EQ(StoredWeeks(), QStringList({"Amy " + kWeekStart}));
    ASSERT_EQ(Prompt().Texts().size(), 1);
    EXPECT_TRUE(Prompt().Texts()[0].contains(longName));
}

TEST_F(WeekCheckTest, AnEngineErrorIsToldOnceUntilACheckSucceeds)
{
    int checks = 0;
    bool failing = true;
    WeekCheckRunner* self = nullptr;
    bool nestedRan = true;
    WeekCheckRunner runner([&] {
        ++checks;
        // A message box shown by this check lets the timer tick again.
        nestedRan = self->Run().has_value();
        if (failing)
            throw DatabaseError(QStringLiteral("disk I/O error"));
        return WeekCheck::Result{};
    });
    self = &runner;

    EXPECT_FALSE(runner.Run());
    EXPECT_FALSE(nestedRan) << "no second check inside the first";
    EXPECT_FALSE(runner.Run());
    EXPECT_EQ(Prompt().Texts(), QStringList({"disk I/O error"}));
    failing = false;
    EXPECT_TRUE(runner.Run());
    failing = true;
    EXPECT_FALSE(runner.Run());
    EXPECT_EQ(Prompt().Texts().size(), 2);
    EXPECT_EQ(checks, 4);
}

} // namespace
