#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTest, FixedClockGivesThatDayUntilReset)
{
    const QDateTime lateEvening(QDate(2026, 12, 31), QTime(23, 59, 30), Qt::UTC);
    Clock::SetNow(lateEvening);
    EXPECT_EQ(Clock::NowUtc(), lateEvening);
    EXPECT_EQ(Clock::TodayUtc(), QDate(2026, 12, 31));
    EXPECT_EQ(Clock::TodayLocal(), lateEvening.toLocalTime().date());
    // An instant given in local time is kept as UTC.
    Clock::SetNow(QDateTime(QDate(2027, 1, 1), QTime(0, 30), Qt::UTC).toOffsetFromUtc(-5 * 3600));
    EXPECT_EQ(Clock::TodayUtc(), QDate(2027, 1, 1));

    Clock::Reset();
    EXPECT_LE(qAbs(Clock::NowUtc().secsTo(QDateTime::currentDateTimeUtc())), 5);
}

} // namespace
