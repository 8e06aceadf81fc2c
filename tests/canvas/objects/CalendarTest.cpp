#include "CanvasTestKit.h"

#include "canvas/objects/CalendarLayout.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/FillStyles.h"

#include <gtest/gtest.h>

namespace {

const QSize kPaper(460, 360);

// March 2026 begins on a Sunday.
CalendarObject March2026(int shape = CalendarShape::Rectangle)
{
    CalendarObject calendar;
    calendar.m_rect = {20, 20, 440, 340};
    calendar.m_nYear = 2026;
    calendar.m_nMonth = 3;
    calendar.m_nCalendarShape = shape;
    calendar.m_nDaySize = 18;
    return calendar;
}

auto Colour(ColorRef expected)
{
    return [expected](const QColor& c) { return Near(c, ToQColor(expected), 12); };
}

} // namespace

// Rows are a ninth of the height; columns a seventh of the width less a margin of 10.
TEST(CalendarLayout, FirstDayColumnFollowsTheWeekStartAndDamagedRectanglesStayInside)
{
    const CalendarLayout sundayFirst({0, 0, 300, 150}, 2026, 3, true);
    const CalendarLayout mondayFirst({0, 0, 300, 150}, 2026, 3, false);
    EXPECT_EQ(sundayFirst.FirstDayColumn(), 1);
    EXPECT_EQ(mondayFirst.FirstDayColumn(), 7);
    EXPECT_EQ(mondayFirst.DayCell(1), QRect(10 + 6 * 40, 3 * 16 + 2, 40, 16));
    // The next day wraps to the left of the next row.
    EXPECT_EQ(mondayFirst.DayCell(2), QRect(10, 3 * 16 + 2 + 16, 40, 16));

    // A Monday the 1st (June 2026).
    EXPECT_EQ(CalendarLayout({0, 0, 300, 150}, 2026, 6, true).FirstDayColumn(), 2);
    // Leap February has a 29th.
    EXPECT_EQ(CalendarLayout({0, 0, 300, 150}, 2028, 2, false).DaysInMonth(), 29);
    // A damaged month has no days at all.
    EXPECT_EQ(CalendarLayout({0, 0, 300, 150}, 2026, 13, false).DaysInMonth(), 0);

    // Whatever edges a damaged document holds, the grid is either not laid out at all or
    // lies inside the rectangle: no cell is wrapped round to the other end of the page.
    for (const PageRect rect : {PageRect{INT_MAX, 0, INT_MIN, 150},
                                PageRect{INT_MIN, 0, INT_MAX, 150},
                                PageRect{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX}}) {
        const CalendarLayout layout(rect, 2026, 3, false);
        if (layout.ColumnWidth() <= 0 || layout.RowHeight() <= 0)
            continue;
        for (const QRect cell : {layout.WeekdayCell(1), layout.DayCell(layout.DaysInMonth())})
            EXPECT_TRUE(cell.left() >= rect.left && cell.right() <= rect.right &&
                        cell.top() >= rect.top && cell.bottom() <= rect.bottom)
                << rect.left << " " << rect.top;
    }
}

TEST(CalendarNames, WeekdaysAndTitleUseOwnNamesWhenThereAreEnough)
{
    using CalendarNames::WeekdayHeadings;
    const QStringList own{"Lu", "Ma", "Me", "Je", "Ve"}; // two missing
    EXPECT_TRUE(WeekdayHeadings(1, false, &own)[6].isEmpty());
    EXPECT_TRUE(WeekdayHeadings(1, true, &own)[0].isEmpty()); // Sunday has no name
    EXPECT_EQ(WeekdayHeadings(1, true, &own)[1], "Lu");

    CalendarObject calendar = March2026();
    EXPECT_EQ(calendar.Title(), "March");
    calendar.m_bShowYear = 1;
    EXPECT_EQ(calendar.Title(), "March 2026");
    calendar.m_bOwnLanguage = 1;
    calendar.m_monthNames = {"Janvier", "Fevrier", "Mars"};
    EXPECT_EQ(calendar.Title(), "Mars 2026");
    calendar.m_nMonth = 4; // no fourth name: English stays
    EXPECT_EQ(calendar.Title(), "April 2026");
}

TEST(CalendarObject, NoBackgroundWhenTransparentOrItsTextureIsMissing)
{
    CalendarObject calendar = March2026(CalendarShape::Transparent);
    calendar.m_bFill = 1;
    calendar.m_nFillType = FillType::Solid;
    calendar.m_bNoWeekdayBand = 1;
    const QImage image = PaintObject(calendar, kPaper);
    EXPECT_EQ(calendar.m_nFillType, FillType::None);
    EXPECT_EQ(InkWhere(image, Colour(calendar.m_crCalendar)).count, 0);

    CalendarObject filled = March2026(CalendarShape::Rectangle);
    filled.m_bFill = 1;
    PaintObject(filled, kPaper);
    EXPECT_EQ(filled.m_nFillType, FillType::None); // untouched by other shapes

    CalendarObject textured = March2026(CalendarShape::RoundRectangle);
    textured.m_nFillType = FillType::Texture;
    textured.m_strTexture = QStringLiteral("/nowhere/texture.png");
    EXPECT_TRUE(Near(PaintObject(textured, kPaper).pixelColor(40, 330), Qt::white));
}

TEST(CalendarObject, HolidaysAreFilledOrDrawnBoldInTheirColour)
{
    const ColorRef mark = Rgb(230, 40, 40);
    CalendarObject calendar = March2026();
    calendar.m_crHoliday = mark;
    calendar.m_publicHolidays = {QDate(2026, 3, 17)};
    const CalendarLayout layout(calendar.m_rect, 2026, 3, false);
    const QRect holiday = layout.DayCell(17), ordinary = layout.DayCell(18);

    const QImage filled = PaintObject(calendar, kPaper);
    EXPECT_TRUE(Near(filled.pixelColor(holiday.topLeft() + QPoint(2, 2)), ToQColor(mark)));
    EXPECT_GT(DarkInk(filled, holiday).count, 10); // the number is still drawn

    calendar.m_nHolidayMark = 1;
    const QImage bold = PaintObject(calendar, kPaper);
    EXPECT_TRUE(Near(bold.pixelColor(holiday.topLeft() + QPoint(2, 2)), Qt::white));
    EXPECT_GT(InkWhere(bold, Colour(mark), holiday).count, 10);
    EXPECT_EQ(InkWhere(bold, Colour(mark), ordinary).count, 0);

    calendar.m_publicHolidays = {QDate(2025, 3, 17)}; // another year's date
    EXPECT_EQ(InkWhere(PaintObject(calendar, kPaper), Colour(mark)).count, 0);
}

TEST(CalendarObject, CellBordersAndTopLeftNumbersOnlyForTheTransparentShape)
{
    const CalendarLayout layout({20, 20, 440, 340}, 2026, 3, false);
    const QRect cell = layout.DayCell(10);
    auto borderAt = [&](const QImage& image) {
        return DarkInk(image, QRect(cell.left() + 5, cell.top(), cell.width() - 10, 1)).count;
    };

    CalendarObject boxed = March2026(CalendarShape::Transparent);
    boxed.m_bCellBorders = 1;
    EXPECT_GT(borderAt(PaintObject(boxed, kPaper)), cell.width() / 2);
    const QRect centred = DarkInk(PaintObject(boxed, kPaper), cell.adjusted(2, 2, -2, -2)).bounds;
    boxed.m_bTopLeftNumbers = 1;
    const QRect corner = DarkInk(PaintObject(boxed, kPaper), cell.adjusted(2, 2, -2, -2)).bounds;
    EXPECT_LT(corner.top(), centred.top());

    CalendarObject rectangle = March2026(CalendarShape::Rectangle);
    rectangle.m_bCellBorders = 1;
    rectangle.m_bTopLeftNumbers = 1;
    EXPECT_EQ(borderAt(PaintObject(rectangle, kPaper)), 0);
}

TEST(CalendarObject, EveryShapePaintsAndDamagedValuesDoNotBreakIt)
{
    for (int shape : {0, 2, 3, 4, 9}) {
        CalendarObject calendar = March2026(shape);
        EXPECT_GT(DarkInk(PaintObject(calendar, kPaper)).count, 100) << shape;
    }
    CalendarObject damaged = March2026();
    damaged.m_nMonth = -4;
    damaged.m_nTitleSize = 2000000000;
    damaged.m_rect = {0, 0, 5, 5};
    PaintObject(damaged, kPaper);
    damaged.m_rect = {2147483000, 0, 2147483600, 900};
    PaintObject(damaged, kPaper);
}
