#pragma once

#include "app/CommandTarget.h"
#include "frame/CommandMenu.h"
#include "records/DailyRecords.h"

#include <QTreeWidget>
#include <memory>
#include <optional>

class CDBChildDailyRecordSet;
class QMenu;

// The Child Center's lower pane: the shown child's daily records of the current month
// (UTC), one row each, with Add, Edit and Delete on its right-click menu "Daily Record".
class CChildrenInfoView : public QTreeWidget, public CCommandTarget
{
    Q_OBJECT

public:
    enum Column { DateColumn, NameColumn, PickupColumn, TimeColumn, NoteColumn,
                  ParentsNoteColumn, Reserved1Column, Reserved2Column, ColumnCount };

    explicit CChildrenInfoView(QWidget* parent = nullptr);
    ~CChildrenInfoView() override;

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
    CCommandState UpdateCommand(int id) const override;

    // The right-click menu, built afresh (tests read it).
    QMenu* BuildContextMenu();
    // Where the menu takes the program's actions from; without one it makes its own.
    void SetActionSource(CommandMenu::CActionSource source) { m_actionSource = std::move(source); }

Q_SIGNALS:
    void commandStateChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddRecord();
    void EditRecord();
    void DeleteRecord();
    CDBChildDailyRecordSet& RecordSet();
    QTreeWidgetItem* FirstSelectedRow() const;
    void AppendRow(const CDailyRecord& record);
    // Puts the row where the first column's text keeps the list in ascending order.
    void PlaceRow(QTreeWidgetItem* row);

    std::unique_ptr<CDBChildDailyRecordSet> m_set;
    CommandMenu::CActionSource m_actionSource;
    std::optional<QString> m_lastFolder;   // none until the first folder, and after Clear
    QString m_childName;                   // whose records are listed
    CDailyRecord m_working;   // the record last loaded into or saved from the view
};
