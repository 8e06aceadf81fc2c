#include "settings/SettingsKeys.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarSettings.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

const QString kSection = QString::fromLatin1(SettingsKey::Setting);

class CalendarSettingsTest : public ::testing::Test
{
protected:
    void Write(const QString& key, const QString& value)
    {
        m_home.Settings().WriteString(kSection, key, value);
    }
    void WriteCount(int count)
    {
        m_home.Settings().WriteInt(kSection, QString::fromLatin1(SettingsKey::PublicHolidays), count);
    }
    CalendarSettings Reloaded()
    {
        m_home.ReopenSettings();
        return CalendarSettings::Load(m_home.Settings());
    }

    TempHome m_home;
};

TEST_F(CalendarSettingsTest, NothingStoredGivesEnglishNamesAndNamesRoundTripUnderTheirNumberedKeys)
{
    const CalendarSettings loaded = CalendarSettings::Load(m_home.Settings());
    EXPECT_EQ(loaded.weekdayNames.value(6), QStringLiteral("Sunday"));
    EXPECT_TRUE(loaded.publicHolidays.isEmpty());
    EXPECT_EQ(loaded, CalendarSettings::English());

    CalendarSettings names = CalendarSettings::English();
    names.monthNames[0] = QStringLiteral("Janvier");
    names.monthNames[11] = QStringLiteral("Décembre");
    names.weekdayNames[0] = QStringLiteral("Lundi");
    names.weekdayNames[6] = QStringLiteral("Dimanche");
    ASSERT_TRUE(names.SaveNames(m_home.Settings()));

    EXPECT_EQ(m_home.Settings().GetString(kSection, QStringLiteral("MONTH_1")), QStringLiteral("Janvier"));
    EXPECT_EQ(m_home.Settings().GetString(kSection, QStringLiteral("WEEKDAY_7")), QStringLiteral("Dimanche"));
    EXPECT_FALSE(m_home.Settings().Contains(kSection, QStringLiteral("MONTH_0")));
    EXPECT_FALSE(m_home.Settings().Contains(kSection, QStringLiteral("WEEKDAY_8")));
    EXPECT_EQ(Reloaded(), names);
}

TEST_F(CalendarSettingsTest, HolidaysRoundTripAsIsoDatesSortedAndOnce)
{
    CalendarSettings settings;
    settings.publicHolidays = {QDate(2025, 12, 25), QDate(2025, 1, 1), QDate(2025, 12, 25)};
    ASSERT_TRUE(settings.SaveHolidays(m_home.Settings()));

    EXPECT_EQ(m_home.Settings().GetInt(kSection, QStringLiteral("PUBLICHOLIDAYS"), -1), 2);
    EXPECT_EQ(m_home.Settings().GetString(kSection, QStringLiteral("PUBLICHOLIDAY_1")),
              QStringLiteral("2025-01-01"));
    EXPECT_EQ(m_home.Settings().GetString(kSection, QStringLiteral("PUBLICHOLIDAY_2")),
              QStringLiteral("2025-12-25"));
    EXPECT_FALSE(m_home.Settings().Contains(QStringLiteral("PUBLICHOLIDAYS"), QStringLiteral("PUBLICHOLIDAY_1")));
    EXPECT_EQ(Reloaded().publicHolidays, (QList<QDate>{QDate(2025, 1, 1), QDate(2025, 12, 25)}));

    // A shorter list is read back without the old entries.
    settings.publicHolidays = {QDate(2025, 4, 18)};
    settings.SaveHolidays(m_home.Settings());
    EXPECT_EQ(Reloaded().publicHolidays, QList<QDate>{QDate(2025, 4, 18)});
}

TEST_F(CalendarSettingsTest, DamagedHolidaysAreSkippedAndTheRestKept)
{
    WriteCount(7);
    Write(QStringLiteral("PUBLICHOLIDAY_1"), QStringLiteral("2025-02-30"));   // no such day
    Write(QStringLiteral("PUBLICHOLIDAY_2"), QStringLiteral("Christmas"));
    Write(QStringLiteral("PUBLICHOLIDAY_3"), QStringLiteral("2025-07-04"));
    Write(QStringLiteral("PUBLICHOLIDAY_4"), QString());
    Write(QStringLiteral("PUBLICHOLIDAY_5"), QStringLiteral("2025- 8- 5"));   // space-padded
    Write(QStringLiteral("PUBLICHOLIDAY_6"), QStringLiteral("2025-13-01"));
    // PUBLICHOLIDAY_7 is missing although counted.
    EXPECT_EQ(Reloaded().publicHolidays, (QList<QDate>{QDate(2025, 7, 4), QDate(2025, 8, 5)}));
}

TEST_F(CalendarSettingsTest, AbsurdCountsReadNothingOrStopAtTheLimit)
{
    WriteCount(-5);
    Write(QStringLiteral("PUBLICHOLIDAY_1"), QStringLiteral("2025-01-01"));
    EXPECT_TRUE(Reloaded().publicHolidays.isEmpty());

    WriteCount(2'000'000'000);
    Write(QStringLiteral("PUBLICHOLIDAY_%1").arg(CalendarSettings::kMostHolidays),
          QStringLiteral("2025-03-03"));
    Write(QStringLiteral("PUBLICHOLIDAY_%1").arg(CalendarSettings::kMostHolidays + 1),
          QStringLiteral("2025-04-04"));
    EXPECT_EQ(Reloaded().publicHolidays, (QList<QDate>{QDate(2025, 1, 1), QDate(2025, 3, 3)}));
}

TEST(HolidayTextTest, ParsesDatesAndRefusesEverythingElse)
{
    EXPECT_EQ(ParseHoliday(QStringLiteral("2024-02-29")), QDate(2024, 2, 29));
    EXPECT_EQ(ParseHoliday(QStringLiteral(" 2024-12- 1 ")), QDate(2024, 12, 1));
    EXPECT_EQ(ParseHoliday(QStringLiteral("2023-02-29")), std::nullopt);
    EXPECT_EQ(ParseHoliday(QStringLiteral("2024/01/01")), std::nullopt);
    EXPECT_EQ(ParseHoliday(QStringLiteral("0000-01-01")), std::nullopt);
    EXPECT_EQ(ParseHoliday(QStringLiteral("12024-01-01")), std::nullopt);
    EXPECT_EQ(FormatHoliday(QDate(987, 3, 4)), QStringLiteral("0987-03-04"));
}

} // namespace
