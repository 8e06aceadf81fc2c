#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTest, FixedClockGivesThatDayUntilReset)
{
    const QDateTime lateEvening(QDate(2026, 12, 31), QTime(23, 59, 30), Qt::UTC);
    CClock::SetNow(lateEvening);
    EXPECT_EQ(CClock::NowUtc(), lateEvening);
    EXPECT_EQ(CClock::TodayUtc(), QDate(2026, 12, 31));
    EXPECT_EQ(CClock::TodayLocal(), lateEvening.toLocalTime().date());

    CClock::Reset();
    EXPECT_LE(qAbs(CClock::NowUtc().secsTo(QDateTime::currentDateTimeUtc())), 5);
}

TEST(ClockTest, LocalInstantIsKeptAsUtc)
{
    const QDateTime utc(QDate(2027, 1, 1), QTime(0, 30), Qt::UTC);
    CClock::SetNow(utc.toOffsetFromUtc(-5 * 3600));
    EXPECT_EQ(CClock::TodayUtc(), QDate(2027, 1, 1));
    CClock::Reset();
}

} // namespace
