#include "platform/Clock.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex g_mutex;
QDateTime g_fixedUtc;

} // namespace

QDateTime Clock::NowUtc()
{
    QMutexLocker lock(&g_mutex);
    return g_fixedUtc.isValid() ? g_fixedUtc : QDateTime::currentDateTimeUtc();
}

QDate Clock::TodayUtc()
{
    return NowUtc().date();
}

QDate Clock::TodayLocal()
{
    return NowUtc().toLocalTime().date();
}

void Clock::SetNow(const QDateTime& utc)
{
    QMutexLocker lock(&g_mutex);
    g_fixedUtc = utc.toUTC();
}

void Clock::Reset()
{
    QMutexLocker lock(&g_mutex);
    g_fixedUtc = QDateTime();
}
