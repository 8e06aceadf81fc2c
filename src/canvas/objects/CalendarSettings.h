#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <optional>

class CalendarObject;
class SettingsStore;

// The user's calendar language and public holidays, kept in section SETTING.
struct CalendarSettings
{
    // A damaged count must not make loading read for ever.
    static constexpr int kMostHolidays = 1000;

    QStringList monthNames;   // twelve, January first
    QStringList weekdayNames; // seven, Monday first
    QList<QDate> publicHolidays;

    // The built-in English names and no holidays.
    static CalendarSettings English();
    // Missing names fall back to the English ones; holidays that are not dates are skipped.
    static CalendarSettings Load(const SettingsStore& store);

    // Each returns false when a value could not be written.
    bool SaveNames(SettingsStore& store) const;
    bool SaveHolidays(SettingsStore& store) const;

    // Gives a calendar the names and holidays it paints with.
    void CopyInto(CalendarObject& calendar) const;

    bool operator==(const CalendarSettings&) const = default;
};

// Holidays are stored as "YYYY-MM-DD"; reading also accepts the space-padded
// "%4d-%2d-%2d" the program writes other dates with.
QString FormatHoliday(const QDate& date);
std::optional<QDate> ParseHoliday(const QString& text);
// Sorted, each date once, invalid dates left out.
QList<QDate> TidyHolidays(QList<QDate> dates);
