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

CDbDate::CDbDate(double days, bool valid)
    : m_days(days), m_valid(valid)
{
}

CDbDate CDbDate::FromDate(const QDate& date)
{
    if (!date.isValid())
        return Invalid();
    return CDbDate(double(date.toJulianDay() - BaseJulianDay()));
}

CDbDate CDbDate::FromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return Invalid();
    const CDbDate day = FromDate(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / 1000.0 / kSecondsPerDay;
    // Before the base day the time still counts forward from midnight.
    return CDbDate(day.m_days < 0 ? day.m_days - fraction : day.m_days + fraction,
                   day.m_valid);
}

bool CDbDate::IsValid() const
{
    return m_valid && InRange(m_days);
}

QDate CDbDate::Date() const
{
    if (!IsValid())
        return {};
    return QDate::fromJulianDay(BaseJulianDay() + qint64(std::trunc(m_days)));
}

QDateTime CDbDate::DateTime() const
{
    const QDate date = Date();
    if (!date.isValid())
        return {};
    const double fraction = std::fabs(m_days - std::trunc(m_days));
    const qint64 msecs = std::llround(fraction * kSecondsPerDay * 1000);
    return QDateTime(date, QTime(0, 0), Qt::UTC).addMSecs(msecs);
}

int CDbDate::Year() const
{
    const QDate date = Date();
    return date.isValid() ? date.year() : -1;
}

int CDbDate::Month() const
{
    const QDate date = Date();
    return date.isValid() ? date.month() : -1;
}

int CDbDate::Day() const
{
    const QDate date = Date();
    return date.isValid() ? date.day() : -1;
}

QString CDbDate::PlainText() const
{
    return QString::asprintf("%d-%d-%d", Year(), Month(), Day());
}

QString CDbDate::PaddedText() const
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
