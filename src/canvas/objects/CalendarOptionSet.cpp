#include "canvas/objects/CalendarOptionSet.h"

#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarSettings.h"

#include <algorithm>

namespace {

constexpr int kMonthWidth = 200;
constexpr int kMonthHeight = 150;
constexpr int kYearMonthWidth = 150;
constexpr int kYearMonthHeight = 120;
constexpr int kYearColumnStep = 155;
constexpr int kYearRowStep = 125;
constexpr int kCascadeStep = 10;

PageRect RectAt(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

int MonthsPerRow(int layout)
{
    switch (layout) {
    case CalendarOptionSet::RowsOfThree:
        return 3;
    case CalendarOptionSet::RowsOfSix:
        return 6;
    default:
        return 4;
    }
}

CalendarPartFont FontOf(const QString& face, int size, int bold, int italic, ColorRef color)
{
    return {face, size, bold != 0, italic != 0, color};
}

void ApplyFont(const CalendarPartFont& font, QString& face, int& size, int& bold, int& italic,
               ColorRef& color)
{
    face = font.face;
    size = font.size;
    bold = font.bold;
    italic = font.italic;
    color = font.color;
}

} // namespace

CalendarFonts CalendarFonts::Of(const CalendarObject& c)
{
    return {FontOf(c.m_strTitleFont, c.m_nTitleSize, c.m_bTitleBold, c.m_bTitleItalic, c.m_crTitle),
            FontOf(c.m_strWeekdayFont, c.m_nWeekdaySize, c.m_bWeekdayBold, c.m_bWeekdayItalic,
                   c.m_crWeekday),
            FontOf(c.m_strDayFont, c.m_nDaySize, c.m_bDayBold, c.m_bDayItalic, c.m_crDay)};
}

void CalendarFonts::ApplyTo(CalendarObject& c) const
{
    ApplyFont(title, c.m_strTitleFont, c.m_nTitleSize, c.m_bTitleBold, c.m_bTitleItalic, c.m_crTitle);
    ApplyFont(weekday, c.m_strWeekdayFont, c.m_nWeekdaySize, c.m_bWeekdayBold, c.m_bWeekdayItalic,
              c.m_crWeekday);
    ApplyFont(day, c.m_strDayFont, c.m_nDaySize, c.m_bDayBold, c.m_bDayItalic, c.m_crDay);
}

CalendarLook CalendarLook::Of(const CalendarObject& c)
{
    CalendarLook look;
    look.shape = c.m_nCalendarShape;
    look.fillBackground = c.m_bFill != 0;
    look.background = c.m_crCalendar;
    look.outline = c.m_bNoLine == 0;
    look.outlineColor = c.m_crLine;
    look.weekdayBand = c.m_crWeekdayBand;
    look.holiday = c.m_crHoliday;
    look.holidayMark = c.m_nHolidayMark == 0 ? FilledCell : BoldNumber;
    look.weekdayStyle = c.m_nWeekdayStyle;
    look.sundayFirst = c.m_bSundayFirst != 0;
    look.showYear = c.m_bShowYear != 0;
    look.ownLanguage = c.m_bOwnLanguage != 0;
    look.noWeekdayBand = c.m_bNoWeekdayBand != 0;
    look.topLeftNumbers = c.m_bTopLeftNumbers != 0;
    look.cellBorders = c.m_bCellBorders != 0;
    return look;
}

void CalendarLook::ApplyTo(CalendarObject& c) const
{
    c.m_nCalendarShape = shape;
    c.m_bFill = fillBackground;
    c.m_crCalendar = background;
    c.m_bNoLine = !outline;
    c.m_crLine = outlineColor;
    c.m_crWeekdayBand = weekdayBand;
    c.m_crHoliday = holiday;
    c.m_nHolidayMark = holidayMark;
    c.m_nWeekdayStyle = weekdayStyle;
    c.m_bSundayFirst = sundayFirst;
    c.m_bShowYear = showYear;
    c.m_bOwnLanguage = ownLanguage;
    c.m_bNoWeekdayBand = noWeekdayBand;
    c.m_bTopLeftNumbers = topLeftNumbers;
    c.m_bCellBorders = cellBorders;
}

CalendarOptionSet CalendarOptionSet::StartingAt(const QDate& today)
{
    CalendarOptionSet options;
    if (today.isValid()) {
        options.year = today.year();
        options.month = today.month();
    }
    options.look.fillBackground = true;
    return options;
}

void CalendarOptionSet::ApplyTo(CalendarObject& calendar) const
{
    calendar.m_nYear = year;
    calendar.m_nMonth = std::clamp(month, 1, 12);
    fonts.ApplyTo(calendar);
    look.ApplyTo(calendar);
}

QList<CalendarPlacement> CalendarOptionSet::Placements(const QPoint& at) const
{
    if (!wholeYear)
        return {{std::clamp(month, 1, 12), RectAt(at.x(), at.y(), kMonthWidth, kMonthHeight)}};

    QList<CalendarPlacement> placements;
    const int perRow = MonthsPerRow(yearLayout);
    for (int k = 0; k < 12; ++k) {
        const QPoint corner = yearLayout == Cascade
            ? at + QPoint(kCascadeStep * k, kCascadeStep * k)
            : at + QPoint(kYearColumnStep * (k % perRow), kYearRowStep * (k / perRow));
        placements.append({k + 1, RectAt(corner.x(), corner.y(), kYearMonthWidth, kYearMonthHeight)});
    }
    return placements;
}

std::vector<std::unique_ptr<CalendarObject>> CalendarOptionSet::MakeCalendars(
    const QPoint& at, const CalendarSettings& settings) const
{
    std::vector<std::unique_ptr<CalendarObject>> calendars;
    for (const CalendarPlacement& placement : Placements(at)) {
        auto calendar = std::make_unique<CalendarObject>();
        calendar->m_rect = placement.rect;
        ApplyTo(*calendar);
        calendar->m_nMonth = placement.month;
        settings.CopyInto(*calendar);
        calendars.push_back(std::move(calendar));
    }
    return calendars;
}
