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

bool CTuitionWeek::IsStorable() const
{
    return CDbDate::FromDate(start).IsValid() && CDbDate::FromDate(end).IsValid();
}

QString CTuitionWeek::StartText() const
{
    return CDbDate::FromDate(start).PaddedText();
}

QString CTuitionWeek::EndText() const
{
    return CDbDate::FromDate(end).PaddedText();
}

QString CTuitionWeek::ShownText() const
{
    return QStringLiteral("%1 to %2")
        .arg(ShownDate(CDbDate::FromDate(start)), ShownDate(CDbDate::FromDate(end)));
}

QString ShownDate(const CDbDate& date)
{
    const QDate day = date.Date();
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : date.PlainText();
}

QString ShownDateText(const QString& stored)
{
    const QDate day = ParsePaddedDate(stored);
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : stored;
}
