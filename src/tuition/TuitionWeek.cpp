#include "tuition/TuitionWeek.h"

#include "records/DbDate.h"

TuitionWeek TuitionWeek::Holding(const QDate& today)
{
    if (!today.isValid())
        return {};
    // dayOfWeek counts Monday 1 to Sunday 7; QDate rolls over months, years and leap days.
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    return {monday, monday.addDays(6)};
}

bool TuitionWeek::IsStorable() const
{
    return DbDate::FromDate(start).IsValid() && DbDate::FromDate(end).IsValid();
}

QString TuitionWeek::StartText() const
{
    return DbDate::FromDate(start).PaddedText();
}

QString TuitionWeek::EndText() const
{
    return DbDate::FromDate(end).PaddedText();
}

QString TuitionWeek::ShownText() const
{
    return QStringLiteral("%1 to %2")
        .arg(ShownDate(DbDate::FromDate(start)), ShownDate(DbDate::FromDate(end)));
}

QString ShownDate(const DbDate& date)
{
    const QDate day = date.Date();
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : date.PlainText();
}

QString ShownDateText(const QString& stored)
{
    const QDate day = ParsePaddedDate(stored);
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : stored;
}
