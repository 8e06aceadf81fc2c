#pragma once

#include <QDate>
#include <QDateTime>

// Today's date and time for the whole program. Tests fix it with SetNow().
class Clock
{
public:
    static QDateTime NowUtc();
    static QDate TodayUtc();
    static QDate TodayLocal();

    // Freezes the clock at a UTC instant until Reset().
    static void SetNow(const QDateTime& utc);
    static void Reset();
};
