#pragma once

#include "staff/StaffRecords.h"
#include "staff/TimeSheet.h"
#include "widgets/CenterView.h"
#include "widgets/CommandMenu.h"

#include <memory>

class DatePicker;
class MonthCalendar;
class PictureButton;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class StaffReportList;
class StaffTable;
class TimeSheetTable;

// The Staff Center: the staff list, the selected member's details and photo over their
// month calendar, and the year's leave summary of all staff.
class StaffCenterView : public CenterView
{
    Q_OBJECT

public:
    enum class Mode { None = 0, Adding = 1, Editing = 2 };

    explicit StaffCenterView(QWidget* parent = nullptr);
    ~StaffCenterView() override;

    void Attach(PageDocument& document, ActionRegistry& actions) override;
    void OnCenterShown() override;
    // Typing not yet saved asks before the center or the program is left: Yes saves, No
    // drops it; Cancel (or a save refused) stays.
    bool QueryLeave() override;
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;

    // Lists the staff and their leave for the year; nothing without a database, and a
    // list that has rows is kept.
    void FillLists();
    // Shows a listed staff member, as selecting their row does.
    bool SelectStaff(const QString& name);
    // Writes the form: a new row when adding, the shown member's when editing.
    void Save();
    // Copies a JPEG the user chooses to the shown member's photo; never replaces one.
    void LoadPhoto();
    // Applies a plan to the shown month, as the calendar dialog's OK does.
    void ApplyPlan(const TimeSheet::MonthPlan& plan);

    Mode EditMode() const { return m_mode; }
    QString StaffShown() const { return m_shown; }
    TimeSheet::YearMonth MonthShown() const { return m_month; }
    TimeSheet::MonthPlan PlanShown() const { return m_plan; }
    StaffInfo Values() const;

    StaffReportList* StaffList() const { return m_staffList; }
    StaffReportList* LeaveSummary() const { return m_summary; }
    MonthCalendar* Calendar() const { return m_calendar; }
    PictureButton* Picture() const { return m_picture; }
    QSpinBox* YearSpin() const { return m_year; }
    // The "TimeTable" menu, built afresh (tests read it).
    QMenu* BuildTimeTableMenu(QWidget* parent);

private:
    QWidget* BuildForm();
    QLineEdit* AddEdit(const char* objectName, const char* column, const QString& toolTip);
    void ShowValues(const StaffInfo& staff);
    void ClearValues();
    void ShowSelected();
    void ShowStaff(const QString& name);
    void ForgetStaff();
    void ShowPhoto();
    void LoadMonth();
    void RebuildSummary();
    QList<QString> ListedNames() const;
    void SetMode(Mode mode);

    void Add();
    void Edit();
    void StartEditingOnTyping();
    void Delete();
    void EmailStaff();
    void EditCalendar();
    void StepMonth(TimeSheet::YearMonth month);
    void AddOneWeek();
    bool RefuseName(const QString& name);

    StaffTable& Staff();
    TimeSheetTable& Sheets();
    TimeSheet::MonthSheet CurrentSheet();

    std::unique_ptr<StaffTable> m_staffSet;
    std::unique_ptr<TimeSheetTable> m_sheetSet;
    CommandMenu::ActionSource m_actionSource;

    Mode m_mode = Mode::None;
    bool m_filling = false;           // the program, not the user, fills the form
    StaffInfo m_saved;                // the values last put into the form
    QString m_shown;                  // whose row the form shows; empty for none
    std::optional<StaffInfo> m_read;  // that row as it was read
    bool m_monthLoaded = false;       // the shown member's month row is loaded
    TimeSheet::YearMonth m_month;
    TimeSheet::MonthPlan m_plan;
    TimeSheet::MonthSheet m_sheet;    // the month last read

    StaffReportList* m_staffList = nullptr;
    StaffReportList* m_summary = nullptr;
    QSpinBox* m_year = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_department = nullptr;
    QLineEdit* m_position = nullptr;
    DatePicker* m_employed = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_note = nullptr;
    QPushButton* m_save = nullptr;
    PictureButton* m_picture = nullptr;
    QPushButton* m_loadPhoto = nullptr;
    MonthCalendar* m_calendar = nullptr;
};
