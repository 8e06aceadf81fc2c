#include "settings/ObjectIdCounter.h"
#include "settings/ProgramState.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

TEST(GlobalObjectIdTest, EachIdentifierIsOneMoreThanTheLastAcrossRunsAndWraps)
{
    TempHome home;
    ObjectIdCounter firstRun;
    firstRun.Load(home.Settings());
    EXPECT_EQ(firstRun.Next(home.Settings()), QStringLiteral("2"));

    // The program ends without writing anything at exit; the next run goes on.
    home.ReopenSettings();
    ObjectIdCounter secondRun;
    secondRun.Load(home.Settings());
    EXPECT_EQ(secondRun.Next(home.Settings()), QStringLiteral("3"));
    EXPECT_EQ(home.Settings().GetInt(QStringLiteral("General"), QStringLiteral("GlobalObjectID"), 0),
              3);

    // The counter wraps as a 32-bit integer.
    home.Settings().WriteInt(QStringLiteral("General"), QStringLiteral("GlobalObjectID"), 2147483647);
    ObjectIdCounter ids;
    ids.Load(home.Settings());
    EXPECT_EQ(ids.Next(home.Settings()), QStringLiteral("-2147483648"));
}

} // namespace
