#include "canvas/objects/CalendarSettings.h"

#include "settings/SettingsKeys.h"
#include "canvas/objects/CalendarLayout.h"
#include "canvas/objects/CalendarObject.h"
#include "platform/SettingsStore.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int kMonths = 12;
constexpr int kWeekdays = 7;

QString K(const char* name)
{
    return QString::fromLatin1(name);
}

QString Numbered(const char* pattern, int number)
{
    return QString::fromLatin1(pattern).arg(number);
}

QStringList LoadNumbered(const SettingsStore& store, const char* pattern, const QStringList& defaults)
{
    QStringList names;
    for (int i = 0; i < defaults.size(); ++i)
        names << store.GetString(K(SettingsKey::Setting), Numbered(pattern, i + 1), defaults[i]);
    return names;
}

bool SaveNumbered(SettingsStore& store, const char* pattern, const QStringList& names, int count)
{
    bool saved = true;
    for (int i = 0; i < count; ++i)
        saved &= store.WriteString(K(SettingsKey::Setting), Numbered(pattern, i + 1), names.value(i));
    return saved;
}

} // namespace

CalendarSettings CalendarSettings::English()
{
    // Names people edit are spelled properly; the painted English headings keep theirs.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    CalendarSettings s;
    for (int month = 1; month <= kMonths; ++month)
        s.monthNames << CalendarNames::EnglishMonth(month);
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        s.weekdayNames << english.dayName(day, QLocale::LongFormat);
    return s;
}

CalendarSettings CalendarSettings::Load(const SettingsStore& store)
{
    const CalendarSettings english = English();
    CalendarSettings s;
    s.monthNames = LoadNumbered(store, SettingsKey::MonthN, english.monthNames);
    s.weekdayNames = LoadNumbered(store, SettingsKey::WeekdayN, english.weekdayNames);

    const QString section = K(SettingsKey::Setting);
    const int count = std::clamp(store.GetInt(section, K(SettingsKey::PublicHolidays), 0), 0,
                                 kMostHolidays);
    for (int i = 1; i <= count; ++i) {
        const QString key = Numbered(SettingsKey::PublicHolidayN, i);
        if (const auto date = ParseHoliday(store.GetString(section, key)))
            s.publicHolidays << *date;
    }
    s.publicHolidays = TidyHolidays(s.publicHolidays);
    return s;
}

bool CalendarSettings::SaveNames(SettingsStore& store) const
{
    const bool months = SaveNumbered(store, SettingsKey::MonthN, monthNames, kMonths);
    const bool weekdays = SaveNumbered(store, SettingsKey::WeekdayN, weekdayNames, kWeekdays);
    return months && weekdays;
}

// Keys beyond the new count stay behind (the program never deletes a value); the
// count decides which are read.
bool CalendarSettings::SaveHolidays(SettingsStore& store) const
{
    const QString section = K(SettingsKey::Setting);
    const QList<QDate> dates = TidyHolidays(publicHolidays).mid(0, kMostHolidays);
    bool saved = true;
    for (int i = 0; i < dates.size(); ++i)
        saved &= store.WriteString(section, Numbered(SettingsKey::PublicHolidayN, i + 1),
                                   FormatHoliday(dates[i]));
    saved &= store.WriteInt(section, K(SettingsKey::PublicHolidays), int(dates.size()));
    return saved;
}

void CalendarSettings::CopyInto(CalendarObject& calendar) const
{
    calendar.m_monthNames = monthNames;
    calendar.m_weekdayNames = weekdayNames;
    calendar.m_publicHolidays = publicHolidays;
}

QString FormatHoliday(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

std::optional<QDate> ParseHoliday(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,4})\\s*-\\s*(\\d{1,2})\\s*-\\s*(\\d{1,2})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QList<QDate> TidyHolidays(QList<QDate> dates)
{
    dates.removeIf([](const QDate& date) { return !date.isValid(); });
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}
