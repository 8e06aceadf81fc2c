#pragma once

#include "staff/TimeSheet.h"

#include <QWidget>
#include <functional>

// One staff member's month as a calendar: the month and year, the weekdays, a cell per
// day filled by its state, and the month's note under the grid, as MonthCalendarPainting
// draws it (the staff report draws the same).
class MonthCalendar : public QWidget
{
    Q_OBJECT

public:
    using SheetSource = std::function<TimeSheet::MonthSheet()>;

    explicit MonthCalendar(QWidget* parent = nullptr);

    // Where the month comes from; it is asked again before each paint, so the calendar
    // shows what the time sheet holds now.
    void SetSource(SheetSource source);
    // The month as it would be painted now.
    TimeSheet::MonthSheet Shown() const { return m_source ? m_source() : m_sheet; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetSource m_source;
    TimeSheet::MonthSheet m_sheet;
};
