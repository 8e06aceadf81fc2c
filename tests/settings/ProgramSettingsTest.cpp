#include "settings/ProgramSettings.h"
#include "settings/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

QString K(const char* key)
{
    return QString::fromLatin1(key);
}

TEST(ProgramSettingsTest, UnderlineIsReadFromTheTextToolSection)
{
    TempHome home;
    home.Settings().WriteInt(K(SettingsKey::TextInfo), K(SettingsKey::Underline), 1);
    EXPECT_FALSE(TextToolDefaults::Load(home.Settings()).underline);
    home.Settings().WriteInt(K(SettingsKey::TextTool), K(SettingsKey::Underline), 1);
    EXPECT_TRUE(TextToolDefaults::Load(home.Settings()).underline);

    home.Settings().WriteInt(K(SettingsKey::TextInfo), K(SettingsKey::Opacity), 40);
    EXPECT_DOUBLE_EQ(TextToolDefaults::Load(home.Settings()).opacity, 0.4);
}

TEST(ProgramSettingsTest, RateAndStartTimeTextsAreReadOrRefused)
{
    EXPECT_DOUBLE_EQ(RateFromText(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(RateFromText(QStringLiteral(" 66.66 ")), 66.66);
    EXPECT_DOUBLE_EQ(RateFromText(QStringLiteral("12abc")), 12.0);
    // An overflowing or non-finite text is no rate at all.
    EXPECT_DOUBLE_EQ(RateFromText(QStringLiteral("1e999")), 0.0);
    EXPECT_DOUBLE_EQ(RateFromText(QStringLiteral("nan")), 0.0);

    EXPECT_EQ(ParseStartTime(QString()), (StartTime{13, 30}));
    EXPECT_EQ(ParseStartTime(QStringLiteral(" 7 : 45 ")), (StartTime{7, 45}));
    EXPECT_EQ(ParseStartTime(QStringLiteral("18")), (StartTime{18, 0}));
    EXPECT_FALSE(ParseStartTime(QStringLiteral("24:00")));
    EXPECT_FALSE(ParseStartTime(QStringLiteral("12:60")));
    EXPECT_FALSE(ParseStartTime(QStringLiteral("-1:30")));
    EXPECT_EQ(FormatStartTime(13, 5), QStringLiteral("13:5"));
}

TEST(ProgramSettingsTest, SavedSettingsReadBackInAnotherRun)
{
    TempHome home;
    EmailSettings email;
    email.sender = QStringLiteral("office@example.org");
    email.startHour = 7;
    email.startMinute = 5;
    email.ssl = false;
    email.useEmailService = false;
    email.Save(home.Settings());

    CenterInfo info{QStringLiteral("Little O'Brien's"), QStringLiteral("555"),
                     QStringLiteral("1 Main St"), QStringLiteral("Ann"), QStringLiteral("x.org")};
    info.Save(home.Settings());

    home.ReopenSettings();
    EXPECT_EQ(EmailSettings::Load(home.Settings()), email);
    EXPECT_EQ(CenterInfo::Load(home.Settings()), info);
    EXPECT_EQ(home.Settings().GetInt(K(SettingsKey::EmailSetting), K(SettingsKey::Ssl), 9), 0);
}

} // namespace
