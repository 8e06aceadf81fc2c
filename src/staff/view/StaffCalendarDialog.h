#pragma once

#include "staff/TimeSheet.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

// "Edit Staff Calendar": the working weekdays, the note, and the month's days moved into
// the annual-leave or the sick list.
class StaffCalendarDialog : public QDialog
{
    Q_OBJECT

public:
    StaffCalendarDialog(TimeSheet::YearMonth month, const TimeSheet::MonthPlan& plan,
                        QWidget* parent = nullptr);

    // The plan as the dialog holds it now.
    TimeSheet::MonthPlan Plan() const;

    // "=>": the selected day of the month into the shown leave list.
    void AddLeaveDay();
    // "<=": the selected key out of the shown leave list.
    void RemoveLeaveDay();
    // Shows the annual list (true) or the sick list.
    void ShowAnnual(bool annual);

private:
    QStringList& ShownList();
    void FillLeaveList();

    TimeSheet::MonthPlan m_plan;
    std::array<QCheckBox*, 5> m_weekdays{};
    QLineEdit* m_note = nullptr;
    QListWidget* m_days = nullptr;
    QListWidget* m_leave = nullptr;
    QRadioButton* m_annual = nullptr;
    QRadioButton* m_sick = nullptr;
};
