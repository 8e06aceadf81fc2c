#pragma once

#include "commands/CommandTarget.h"
#include "widgets/CommandMenu.h"

#include <QTreeWidget>
#include <span>
#include <vector>

class QAction;
class QMenu;

// A report-style list: headed columns of fixed pixel widths, grid lines, one whole row
// selected at a time, rows kept in ascending order of the first column's text. Insert,
// Enter and Delete, and a double-click on a row, run the list's Add, Edit and Delete
// commands; a right click opens the list's menu.
class ReportListView : public QTreeWidget, public CommandTarget
{
    Q_OBJECT

public:
    struct ColumnSpec
    {
        const char* heading;
        int width;   // 0: hidden
        Qt::Alignment alignment = Qt::AlignLeft;
        // The widest text the column shows; the column is widened when the font needs
        // more than `width` for it or for the heading.
        const char* widest = nullptr;
    };
    struct RowCommands
    {
        int add;
        int edit;
        int remove;
    };

    // The right-click menu, built afresh (tests read it).
    virtual QMenu* BuildContextMenu() = 0;
    // Where menus take the program's actions from; without one they make their own.
    void SetActionSource(CommandMenu::ActionSource source) { m_actionSource = std::move(source); }

Q_SIGNALS:
    void CommandStateChanged();

protected:
    ReportListView(std::span<const ColumnSpec> columns, RowCommands commands, QWidget* parent);

    QTreeWidgetItem* FirstSelectedRow() const;
    // Puts the texts into the row's cells, each aligned as its column.
    void FillRow(QTreeWidgetItem& row, const QStringList& texts) const;
    // Puts the row where the first column's text keeps the list in ascending order; rows
    // with equal text keep the order they came in.
    void PlaceRow(QTreeWidgetItem* row);
    // The menu item of a command, enabled as this list says.
    QAction* MenuAction(int id, QMenu& menu);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int ColumnWidth(const ColumnSpec& column) const;

    std::vector<Qt::Alignment> m_alignments;
    RowCommands m_commands;
    CommandMenu::ActionSource m_actionSource;
};
