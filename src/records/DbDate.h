#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// A date-time value as the records keep it: days since 30 December 1899 (the fraction
// is the time of day) and whether it is valid. Stored as REAL, NULL when invalid.
class DbDate
{
public:
    DbDate() = default;   // zero and valid: 30 December 1899, midnight
    explicit DbDate(double days, bool valid = true);

    static DbDate FromDate(const QDate& date);
    static DbDate FromDateTime(const QDateTime& dateTime);
    static DbDate Invalid() { return DbDate(0, false); }

    double Days() const { return m_days; }
    // False when marked invalid, not finite, or outside the years 100 to 9999.
    bool IsValid() const;

    // The calendar date (the time of day dropped); invalid for an invalid value.
    QDate Date() const;
    QDateTime DateTime() const;

    // The year, month and day, -1 for each when the value cannot be converted.
    int Year() const;
    int Month() const;
    int Day() const;

    // "%d-%d-%d" of the year, month and day.
    QString PlainText() const;
    // "%4d-%2d-%2d", padded with spaces.
    QString PaddedText() const;

    bool operator==(const DbDate& other) const = default;

private:
    double m_days = 0;
    bool m_valid = true;
};

// Reads "%4d-%2d-%2d" (spaces or zeros as padding) back; invalid when it is no date.
QDate ParsePaddedDate(const QString& text);
