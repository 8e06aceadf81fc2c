#include "records/DbDate.h"

#include <QRegularExpression>
#include <cmath>

namespace {

constexpr qint64 kSecondsPerDay = 86400;

qint64 BaseJulianDay()
{
    return QDate(1899, 12, 30).toJulianDay();
}

// The range a stored value may take: years 100 to 9999.
bool InRange(double days)
{
    static const double first = double(QDate(100, 1, 1).toJulianDay() - BaseJulianDay());
    static const double last = double(QDate(9999, 12, 31).toJulianDay() - BaseJulianDay()) + 1;
    return std::isfinite(days) && days >= first && days < last;
}

} // namespace

DbDate::DbDate(double days, bool valid)
    : m_days(days), m_valid(valid)
{
}

DbDate DbDate::FromDate(const QDate& date)
{
    if (!date.isValid())
        return Invalid();
    return DbDate(double(date.toJulianDay() - BaseJulianDay()));
}

DbDate DbDate::FromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return Invalid();
    const DbDate day = FromDate(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / 1000.0 / kSecondsPerDay;
    // Before the base day the time still counts forward from midnight.
    return DbDate(day.m_days < 0 ? day.m_days - fraction : day.m_days + fraction,
                   day.m_valid);
}

bool DbDate::IsValid() const
{
    return m_valid && InRange(m_days);
}

QDate DbDate::Date() const
{
    if (!IsValid())
        return {};
    return QDate::fromJulianDay(BaseJulianDay() + qint64(std::trunc(m_days)));
}

QDateTime DbDate::DateTime() const
{
    const QDate date = Date();
    if (!date.isValid())
        return {};
    const double fraction = std::fabs(m_days - std::trunc(m_days));
    const qint64 msecs = std::llround(fraction * kSecondsPerDay * 1000);
    return QDateTime(date, QTime(0, 0), Qt::UTC).addMSecs(msecs);
}

int DbDate::Year() const
{
    const QDate date = Date();
    return date.isValid() ? date.year() : -1;
}

int DbDate::Month() const
{
    const QDate date = Date();
    return date.isValid() ? date.month() : -1;
}

int DbDate::Day() const
{
    const QDate date = Date();
    return date.isValid() ? date.day() : -1;
}

QString DbDate::PlainText() const
{
    return QString::asprintf("%d-%d-%d", Year(), Month(), Day());
}

QString DbDate::PaddedText() const
{
    return QString::asprintf("%4d-%2d-%2d", Year(), Month(), Day());
}

QDate ParsePaddedDate(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,4})-\\s*(\\d{1,2})-\\s*(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(),
                 match.captured(3).toInt());
}
