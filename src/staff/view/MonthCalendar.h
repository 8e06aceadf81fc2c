#pragma once

#include "staff/TimeSheet.h"

#include <QColor>
#include <QWidget>
#include <functional>

class QPainter;

// One staff member's month as a calendar: the month and year, the weekdays, a cell per
// day filled by its state, and the month's note under the grid. The painting is a
// function of its own so that reports draw the same month on their pages.
class MonthCalendar : public QWidget
{
    Q_OBJECT

public:
    using SheetSource = std::function<TimeSheet::MonthSheet()>;

    static constexpr QRgb kFrameColor = qRgb(212, 212, 212);
    static constexpr QRgb kSickColor = qRgb(83, 83, 83);
    static constexpr QRgb kAnnualColor = qRgb(255, 255, 0);
    static constexpr QRgb kWorkingColor = qRgb(0, 255, 255);

    explicit MonthCalendar(QWidget* parent = nullptr);

    // Where the month comes from; it is asked again before each paint, so the calendar
    // shows what the time sheet holds now.
    void SetSource(SheetSource source);
    // The month as it would be painted now.
    TimeSheet::MonthSheet Shown() const { return m_source ? m_source() : m_sheet; }

    // Draws the month into `area` of any painter.
    static void Paint(QPainter& painter, const QRectF& area, const TimeSheet::MonthSheet& sheet);
    // The cell of a day of the month in a calendar painted into `area`.
    static QRectF DayCell(const QRectF& area, TimeSheet::YearMonth month, int day);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetSource m_source;
    TimeSheet::MonthSheet m_sheet;
};
