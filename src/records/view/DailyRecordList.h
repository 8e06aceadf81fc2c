#pragma once

#include "widgets/ReportListView.h"
#include "records/DailyRecords.h"

#include <memory>
#include <optional>

class DailyRecordTable;
class QMenu;

// The Child Center's lower pane: the shown child's daily records of the current month
// (UTC), one row each, with Add, Edit and Delete on its right-click menu "Daily Record".
class DailyRecordList : public ReportListView
{
    Q_OBJECT

public:
    enum Column { DateColumn, NameColumn, PickupColumn, TimeColumn, NoteColumn,
                  ParentsNoteColumn, Reserved1Column, Reserved2Column, ColumnCount };

    explicit DailyRecordList(QWidget* parent = nullptr);
    ~DailyRecordList() override;

    // Lists the records of the child whose folder was selected. The same name again does
    // nothing; the class folder keeps the rows shown.
    void ShowChild(const QString& folderName);
    // Empties the list (a new child is being entered).
    void Clear();

    QString ChildShown() const { return m_childName; }
    // The teacher's note of the selected row, empty when none is selected.
    QString SelectedTeacherNote() const;

    // 33183 Add, 33181 Edit, 33184 Delete.
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;

    QMenu* BuildContextMenu() override;

private:
    void AddRecord();
    void EditRecord();
    void DeleteRecord();
    DailyRecordTable& RecordSet();
    void FillRow(QTreeWidgetItem& row, const DailyRecord& record) const;
    void AppendRow(const DailyRecord& record);

    std::unique_ptr<DailyRecordTable> m_set;
    std::optional<QString> m_lastFolder;   // none until the first folder, and after Clear
    QString m_childName;                   // whose records are listed
    DailyRecord m_working;   // the record last loaded into or saved from the view
};
