#pragma once

#include "staff/TimeSheet.h"

#include <QColor>
#include <QRectF>

class QPainter;

// One staff member's month drawn as a calendar on any painter: the month and year, the
// weekdays, a cell per day filled by its state, and the month's note under the grid. The
// Staff Center's calendar and the staff report draw the same month with it.
namespace MonthCalendarPainting {

inline constexpr QRgb kFrameColor = qRgb(212, 212, 212);
inline constexpr QRgb kSickColor = qRgb(83, 83, 83);
inline constexpr QRgb kAnnualColor = qRgb(255, 255, 0);
inline constexpr QRgb kWorkingColor = qRgb(0, 255, 255);

// Draws the month into `area`.
void Paint(QPainter& painter, const QRectF& area, const TimeSheet::MonthSheet& sheet);
// The cell of a day of the month in a calendar painted into `area`.
QRectF DayCell(const QRectF& area, TimeSheet::YearMonth month, int day);

} // namespace MonthCalendarPainting
