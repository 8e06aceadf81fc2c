#pragma once

#include "widgets/ReportListView.h"

#include <functional>

// A list of the Staff Center whose keys, double-clicks and right-click menu run the
// center's commands.
class StaffReportList : public ReportListView
{
    Q_OBJECT

public:
    using MenuBuilder = std::function<QMenu*(QWidget* parent)>;

    StaffReportList(std::span<const ColumnSpec> columns, RowCommands commands,
                    CommandTarget& owner, MenuBuilder menu, QWidget* parent = nullptr);

    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    QMenu* BuildContextMenu() override;

    // Puts the texts into a row's cells, aligned as the columns are.
    void SetRow(QTreeWidgetItem& row, const QStringList& texts) const { FillRow(row, texts); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CommandTarget& m_owner;
    MenuBuilder m_menu;
};
