#pragma once

#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/PageRect.h"

#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

class CalendarObject;
struct CalendarSettings;

// Background shapes of a calendar, as documents store them.
// One of the calendar's three texts: face, size in page units, style and colour.
struct CalendarPartFont
{
    QString face = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
    bool italic = false;
    ColorRef color = Rgb(0, 0, 0);

    bool operator==(const CalendarPartFont&) const = default;
};

// The fonts of the title, the weekday names and the day numbers.
struct CalendarFonts
{
    CalendarPartFont title{QStringLiteral("Arial"), 14};
    CalendarPartFont weekday{QStringLiteral("Arial"), 11};
    CalendarPartFont day{QStringLiteral("Arial"), 10};

    static CalendarFonts Of(const CalendarObject& calendar);
    void ApplyTo(CalendarObject& calendar) const;
    bool operator==(const CalendarFonts&) const = default;
};

// Everything else about how a calendar looks. The defaults are those of a new calendar.
struct CalendarLook
{
    enum WeekdayStyle { OneLetter = 0, ThreeLetters = 1, FullNames = 2 };
    enum HolidayMark { FilledCell = 0, BoldNumber = 1 };

    int shape = CalendarShape::RoundRectangle;
    bool fillBackground = false;
    ColorRef background = Rgb(214, 228, 248);
    bool outline = true; // also the cell borders' pen
    ColorRef outlineColor = Rgb(0, 0, 0);
    ColorRef weekdayBand = Rgb(209, 218, 229);
    ColorRef holiday = Rgb(209, 218, 229);
    int holidayMark = FilledCell;
    int weekdayStyle = OneLetter;
    bool sundayFirst = false;
    bool showYear = false;
    bool ownLanguage = false;
    bool noWeekdayBand = false;
    bool topLeftNumbers = false; // these two only with the transparent shape
    bool cellBorders = false;

    static CalendarLook Of(const CalendarObject& calendar);
    void ApplyTo(CalendarObject& calendar) const;
    bool operator==(const CalendarLook&) const = default;
};

// One new calendar on the page.
struct CalendarPlacement
{
    int month = 1;
    PageRect rect;
};

// What the "Calendar" command makes: one month or the twelve of a year, laid out in
// rows of 4, 3 or 6 or cascaded.
struct CalendarOptionSet
{
    enum YearLayout { RowsOfFour = 1, RowsOfThree = 2, RowsOfSix = 3, Cascade = 4 };

    int year = 2009;
    int month = 1;
    bool wholeYear = false;
    int yearLayout = RowsOfFour;
    CalendarFonts fonts;
    CalendarLook look;

    // This month, with a filled background.
    static CalendarOptionSet StartingAt(const QDate& today);

    // Year, month, fonts and look; the rectangle stays.
    void ApplyTo(CalendarObject& calendar) const;
    // Where the calendars go when the user clicks at `at`, in month order.
    QList<CalendarPlacement> Placements(const QPoint& at) const;
    // The calendars themselves, with the user's names and holidays.
    std::vector<std::unique_ptr<CalendarObject>> MakeCalendars(
        const QPoint& at, const CalendarSettings& settings) const;

    bool operator==(const CalendarOptionSet&) const = default;
};
