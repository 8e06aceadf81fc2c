#include "widgets/ReportListView.h"

#include <QContextMenuEvent>
#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// A report list draws a line under each row and between columns.
class GridLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

// What a cell adds to its text's width: the delegate's margins and the grid line.
constexpr int kCellPadding = 12;

} // namespace

ReportListView::ReportListView(std::span<const ColumnSpec> columns, RowCommands commands,
                         QWidget* parent)
    : QTreeWidget(parent), m_commands(commands)
{
    setColumnCount(int(columns.size()));
    QStringList headings;
    for (const ColumnSpec& column : columns) {
        headings << QLatin1String(column.heading);
        m_alignments.push_back(column.alignment | Qt::AlignVCenter);
    }
    setHeaderLabels(headings);
    header()->setStretchLastSection(false);
    for (int column = 0; column < columnCount(); ++column) {
        setColumnWidth(column, ColumnWidth(columns[size_t(column)]));
        setColumnHidden(column, columns[size_t(column)].width == 0);
        headerItem()->setTextAlignment(column, m_alignments[size_t(column)]);
    }
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Edit and Delete act on one row, so one row is selected at a time.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new GridLineDelegate(this));
    connect(this, &QTreeWidget::itemSelectionChanged, this, &ReportListView::CommandStateChanged);
}

int ReportListView::ColumnWidth(const ColumnSpec& column) const
{
    if (column.width == 0)
        return 0;
    int needed = header()->fontMetrics().horizontalAdvance(QLatin1String(column.heading));
    if (column.widest)
        needed = std::max(needed, fontMetrics().horizontalAdvance(QLatin1String(column.widest)));
    return std::max(column.width, needed + kCellPadding);
}

QTreeWidgetItem* ReportListView::FirstSelectedRow() const
{
    const QList<QTreeWidgetItem*> rows = selectedItems();
    return rows.isEmpty() ? nullptr : rows.first();
}

void ReportListView::FillRow(QTreeWidgetItem& row, const QStringList& texts) const
{
    for (int column = 0; column < texts.size(); ++column) {
        row.setText(column, texts[column]);
        if (size_t(column) < m_alignments.size())
            row.setTextAlignment(column, m_alignments[size_t(column)]);
    }
}

void ReportListView::PlaceRow(QTreeWidgetItem* row)
{
    const bool selected = row->isSelected();
    if (const int at = indexOfTopLevelItem(row); at >= 0)
        takeTopLevelItem(at);
    const QString key = row->text(0);
    int position = topLevelItemCount();
    while (position > 0 && topLevelItem(position - 1)->text(0) > key)
        --position;
    insertTopLevelItem(position, row);
    if (selected)
        setCurrentItem(row);
}

QAction* ReportListView::MenuAction(int id, QMenu& menu)
{
    return CommandMenu::ActionFor(id, menu, m_actionSource, *this);
}

void ReportListView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = BuildContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ReportListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (itemAt(event->position().toPoint()))
        OnCommand(m_commands.edit);
}

void ReportListView::keyPressEvent(QKeyEvent* event)
{
    int command = 0;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: command = m_commands.edit; break;
        case Qt::Key_Insert: command = m_commands.add; break;
        case Qt::Key_Delete: command = m_commands.remove; break;
        default: break;
        }
    }
    if (command != 0)
        OnCommand(command);
    else
        QTreeWidget::keyPressEvent(event);
}
