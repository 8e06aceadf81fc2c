#include "tuition/TuitionWeek.h"

#include "records/DbDate.h"

CTuitionWeek CTuitionWeek::Holding(const QDate& today)
{
    if (!today.isValid())
        return {};
    // dayOfWeek counts Monday 1 to Sunday 7; QDate rolls over months, years and leap days.
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    return {monday, monday.addDays(6)};
}

QString CTuitionWeek::StartText() const
{
    return CDbDate::FromDate(start).PaddedText();
}

QString CTuitionWeek::EndText() const
{
    return CDbDate::FromDate(end).PaddedText();
}
