#include "platform/Clock.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex g_mutex;
QDateTime g_fixedUtc;

} // namespace

QDateTime CClock::NowUtc()
{
    QMutexLocker lock(&g_mutex);
    return g_fixedUtc.isValid() ? g_fixedUtc : QDateTime::currentDateTimeUtc();
}

QDate CClock::TodayUtc()
{
    return NowUtc().date();
}

QDate CClock::TodayLocal()
{
    return NowUtc().toLocalTime().date();
}

void CClock::SetNow(const QDateTime& utc)
{
    QMutexLocker lock(&g_mutex);
    g_fixedUtc = utc.toUTC();
}

void CClock::Reset()
{
    QMutexLocker lock(&g_mutex);
    g_fixedUtc = QDateTime();
}
