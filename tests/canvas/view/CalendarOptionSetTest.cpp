#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarOptionSet.h"
#include "canvas/objects/CalendarSettings.h"

#include <gtest/gtest.h>

namespace {

QList<QPoint> Corners(const QList<CalendarPlacement>& placements)
{
    QList<QPoint> corners;
    for (const CalendarPlacement& p : placements)
        corners << QPoint(p.rect.left, p.rect.top);
    return corners;
}

TEST(CalendarOptionsTest, EveryFieldReachesTheCalendarAndReadsBack)
{
    CalendarOptionSet options;
    options.year = 2026;
    options.month = 2;
    options.fonts.title = {QStringLiteral("Georgia"), 22, true, false, Rgb(200, 0, 0)};
    options.fonts.weekday = {QStringLiteral("Verdana"), 9, false, true, Rgb(0, 90, 0)};
    options.fonts.day = {QStringLiteral("Courier"), 12, true, true, Rgb(0, 0, 150)};
    CalendarLook& look = options.look;
    look.shape = CalendarShape::Transparent;
    look.fillBackground = true;
    look.background = Rgb(1, 2, 3);
    look.outline = false;
    look.outlineColor = Rgb(10, 11, 12);
    look.weekdayBand = Rgb(4, 5, 6);
    look.holiday = Rgb(7, 8, 9);
    look.holidayMark = CalendarLook::BoldNumber;
    look.weekdayStyle = CalendarLook::FullNames;
    look.sundayFirst = true;
    look.showYear = true;
    look.ownLanguage = true;
    look.noWeekdayBand = true;
    look.topLeftNumbers = true;
    look.cellBorders = true;

    CalendarObject calendar;
    calendar.m_rect = {5, 6, 7, 8};
    options.ApplyTo(calendar);
    // The fields the calendar dialog's own test does not reach, then every one read back.
    EXPECT_EQ(calendar.m_nMonth, 2);
    EXPECT_EQ(calendar.m_crTitle, Rgb(200, 0, 0));
    EXPECT_EQ(calendar.m_bWeekdayItalic, 1);
    EXPECT_EQ(calendar.m_nDaySize, 12);
    EXPECT_EQ(calendar.m_crDay, Rgb(0, 0, 150));
    EXPECT_EQ(calendar.m_nCalendarShape, 0);
    EXPECT_EQ(calendar.m_bFill, 1);
    EXPECT_EQ(calendar.m_crCalendar, Rgb(1, 2, 3));
    EXPECT_EQ(calendar.m_bNoLine, 1);
    EXPECT_EQ(calendar.m_crLine, Rgb(10, 11, 12));
    EXPECT_EQ(calendar.m_rect, (PageRect{5, 6, 7, 8}));

    EXPECT_EQ(CalendarFonts::Of(calendar), options.fonts);
    EXPECT_EQ(CalendarLook::Of(calendar), options.look);
    // Any non-zero holiday mark reads as bold.
    calendar.m_nHolidayMark = 7;
    EXPECT_EQ(CalendarLook::Of(calendar).holidayMark, CalendarLook::BoldNumber);
}

TEST(CalendarPlacementTest, AMonthIs200By150AtTheClickAndAYearFillsRowsOrCascades)
{
    CalendarOptionSet options;
    options.month = 5;
    const auto one = options.Placements(QPoint(30, 40));
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].month, 5);
    EXPECT_EQ(one[0].rect, (PageRect{30, 40, 230, 190}));

    options.wholeYear = true;
    const QPoint at(10, 20);

    options.yearLayout = CalendarOptionSet::RowsOfFour;
    auto placements = options.Placements(at);
    ASSERT_EQ(placements.size(), 12);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(placements[k].month, k + 1);
        EXPECT_EQ(placements[k].rect.Width(), 150);
        EXPECT_EQ(placements[k].rect.Height(), 120);
    }
    EXPECT_EQ(Corners(placements)[3], QPoint(10 + 3 * 155, 20));
    EXPECT_EQ(Corners(placements)[4], QPoint(10, 20 + 125));
    EXPECT_EQ(Corners(placements)[11], QPoint(10 + 3 * 155, 20 + 2 * 125));

    options.yearLayout = CalendarOptionSet::RowsOfThree;
    placements = options.Placements(at);
    EXPECT_EQ(Corners(placements)[3], QPoint(10, 20 + 125));
    EXPECT_EQ(Corners(placements)[11], QPoint(10 + 2 * 155, 20 + 3 * 125));

    options.yearLayout = CalendarOptionSet::RowsOfSix;
    placements = options.Placements(at);
    EXPECT_EQ(Corners(placements)[5], QPoint(10 + 5 * 155, 20));
    EXPECT_EQ(Corners(placements)[6], QPoint(10, 20 + 125));

    options.yearLayout = CalendarOptionSet::Cascade;
    const auto corners = Corners(options.Placements(QPoint(100, 50)));
    ASSERT_EQ(corners.size(), 12);
    EXPECT_EQ(corners[0], QPoint(100, 50));
    EXPECT_EQ(corners[11], QPoint(210, 160));
}

TEST(CalendarPlacementTest, MadeCalendarsCarryTheirMonthOptionsNamesAndHolidays)
{
    CalendarOptionSet options;
    options.year = 2027;
    options.wholeYear = true;
    options.look.shape = CalendarShape::Rectangle;
    CalendarSettings settings = CalendarSettings::English();
    settings.monthNames[0] = QStringLiteral("Enero");
    settings.publicHolidays = {QDate(2027, 1, 6)};

    const auto calendars = options.MakeCalendars(QPoint(0, 0), settings);
    ASSERT_EQ(calendars.size(), 12u);
    EXPECT_EQ(calendars[0]->m_nMonth, 1);
    EXPECT_EQ(calendars[11]->m_nMonth, 12);
    EXPECT_EQ(calendars[11]->m_rect, options.Placements(QPoint(0, 0))[11].rect);
    EXPECT_EQ(calendars[6]->m_nYear, 2027);
    EXPECT_EQ(calendars[6]->m_nCalendarShape, CalendarShape::Rectangle);
    EXPECT_EQ(calendars[6]->m_monthNames.first(), QStringLiteral("Enero"));
    EXPECT_EQ(calendars[6]->m_publicHolidays, settings.publicHolidays);
    EXPECT_EQ(calendars[6]->m_weekdayNames, settings.weekdayNames);
    EXPECT_NE(calendars[0]->m_strID, calendars[1]->m_strID);
}

} // namespace
