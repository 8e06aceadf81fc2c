#include "app/GlobalObjectId.h"
#include "app/ProgramState.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

TEST(GlobalObjectIdTest, EachIdentifierIsOneMoreThanTheLastAlsoAcrossRuns)
{
    CTempHome home;
    CGlobalObjectId firstRun;
    firstRun.Load(home.Settings());
    EXPECT_EQ(firstRun.Next(home.Settings()), QStringLiteral("2"));
    EXPECT_EQ(firstRun.Next(home.Settings()), QStringLiteral("3"));

    // The program ends without writing anything at exit; the next run goes on.
    home.ReopenSettings();
    CGlobalObjectId secondRun;
    secondRun.Load(home.Settings());
    EXPECT_EQ(secondRun.Next(home.Settings()), QStringLiteral("4"));
    EXPECT_EQ(home.Settings().GetInt(QStringLiteral("General"), QStringLiteral("GlobalObjectID"), 0),
              4);
}

TEST(GlobalObjectIdTest, ProgramWideCounterIsStoredAtOnce)
{
    CTempHome home;
    home.Settings().WriteInt(QStringLiteral("General"), QStringLiteral("GlobalObjectID"), 99);
    Program().objectIds.Load(home.Settings());
    EXPECT_EQ(NextGlobalObjectId(), QStringLiteral("100"));
    home.ReopenSettings();
    EXPECT_EQ(home.Settings().GetInt(QStringLiteral("General"), QStringLiteral("GlobalObjectID"), 0),
              100);
}

TEST(GlobalObjectIdTest, CounterFormatsAsA32BitInteger)
{
    CTempHome home;
    home.Settings().WriteInt(QStringLiteral("General"), QStringLiteral("GlobalObjectID"), 2147483647);
    CGlobalObjectId ids;
    ids.Load(home.Settings());
    EXPECT_EQ(ids.Next(home.Settings()), QStringLiteral("-2147483648"));
    EXPECT_EQ(ids.Next(home.Settings()), QStringLiteral("-2147483647"));
}

} // namespace
