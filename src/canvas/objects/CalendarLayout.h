#pragma once

#include "canvas/objects/PageRect.h"

#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

// Where a month's title, weekday names and days go in a calendar's rectangle.
class CalendarLayout
{
public:
    CalendarLayout(const PageRect& rect, int year, int month, bool sundayFirst);

    int ColumnWidth() const { return m_columnWidth; }
    int RowHeight() const { return m_rowHeight; }
    // 1 to 7: the column of the month's first day; 0 for a month that does not exist.
    int FirstDayColumn() const { return m_firstColumn; }
    int DaysInMonth() const { return m_days; }

    QRectF TitleBand() const;
    QRect WeekdayBand(bool transparentShape) const;
    QRect WeekdayCell(int column) const; // column 1 to 7
    QRect DayCell(int day) const;        // day 1 to DaysInMonth()

private:
    PageRect m_rect;
    int m_workLeft;
    int m_workWidth;
    int m_columnWidth;
    int m_rowHeight;
    int m_firstColumn = 0;
    int m_days = 0;
};

namespace CalendarNames {
// "January" to "December"; empty outside 1 to 12.
QString EnglishMonth(int month);
// The seven headings in column order: Monday first, or Sunday first. Style 1 gives
// three letters, 2 the full name, anything else one letter; `ownNames` (Monday first)
// replace them when given, a missing one leaving its heading empty.
QStringList WeekdayHeadings(int style, bool sundayFirst, const QStringList* ownNames);
} // namespace CalendarNames
