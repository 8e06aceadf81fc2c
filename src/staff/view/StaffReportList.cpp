#include "staff/view/StaffReportList.h"

#include <QContextMenuEvent>
#include <QMenu>

StaffReportList::StaffReportList(std::span<const ColumnSpec> columns, RowCommands commands,
                                 CommandTarget& owner, MenuBuilder menu, QWidget* parent)
    : ReportListView(columns, commands, parent), m_owner(owner), m_menu(std::move(menu))
{
}

bool StaffReportList::OnCommand(int id)
{
    return id != 0 && m_owner.OnCommand(id);
}

CommandState StaffReportList::UpdateCommand(int id) const
{
    return id != 0 ? m_owner.UpdateCommand(id) : CommandState{};
}

QMenu* StaffReportList::BuildContextMenu()
{
    return m_menu ? m_menu(this) : new QMenu(this);
}

void StaffReportList::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_menu)
        ReportListView::contextMenuEvent(event);
}
