#include "photos/view/PhotoReportTable.h"

#include "widgets/Icons.h"
#include "photos/NaturalOrder.h"
#include "photos/PhotoDrag.h"

#include <QHeaderView>
#include <QSet>
#include <limits>

namespace {

struct ColumnSpec
{
    const char* heading;
    int width;
    Qt::Alignment alignment;
};

constexpr ColumnSpec kColumns[] = {
    {"", 20, Qt::AlignLeft},
    {"Filename", 250, Qt::AlignLeft},
    {"Size", 100, Qt::AlignRight},
    {"Type", 100, Qt::AlignLeft},
    {"Date Modified", 180, Qt::AlignRight},
    {"Date Created", 180, Qt::AlignRight},
};

constexpr int kSizeColumn = 2;
constexpr int kTypeColumn = 3;
constexpr int kModifiedColumn = 4;
constexpr int kCreatedColumn = 5;
// What a column sorts by where its text would sort wrongly ("2 KB" after "10 KB").
constexpr int kSortRole = Qt::UserRole + 1;

qint64 SortTime(const QDateTime& time)
{
    return time.isValid() ? time.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

// A row sorting by the column the table is sorted by: names as people read them, sizes
// and dates by their values, types then names.
class PhotoRow : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        static const NaturalOrder names;
        const int nameOrder = names.Compare(text(PhotoReportTable::kNameColumn),
                                            other.text(PhotoReportTable::kNameColumn));
        const int column = treeWidget() ? treeWidget()->sortColumn() : PhotoReportTable::kNameColumn;
        switch (column) {
        case kSizeColumn:
        case kModifiedColumn:
        case kCreatedColumn: {
            const qint64 mine = data(column, kSortRole).toLongLong();
            const qint64 theirs = other.data(column, kSortRole).toLongLong();
            if (mine != theirs)
                return mine < theirs;
            break;
        }
        case kTypeColumn:
            if (const int order = text(column).compare(other.text(column)); order != 0)
                return order < 0;
            break;
        default: break;
        }
        return nameOrder < 0;
    }
};

} // namespace

PhotoReportTable::PhotoReportTable(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("photoReport"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setIconSize(QSize(16, 16));
    setColumnCount(int(std::size(kColumns)));
    QStringList headings;
    for (const ColumnSpec& column : kColumns)
        headings.append(QString::fromLatin1(column.heading));
    setHeaderLabels(headings);
    header()->setStretchLastSection(false);
    for (int i = 0; i < columnCount(); ++i) {
        header()->resizeSection(i, kColumns[i].width);
        headerItem()->setTextAlignment(i, kColumns[i].alignment | Qt::AlignVCenter);
        // A first click sorts up whatever the style's habit.
        headerItem()->setData(i, Qt::InitialSortOrderRole, int(Qt::AscendingOrder));
    }
    header()->setSortIndicator(kNameColumn, Qt::AscendingOrder);
    setSortingEnabled(true);
    header()->setToolTip(QStringLiteral("Click a heading to sort by it, again to reverse"));
}

void PhotoReportTable::Fill(const std::vector<PhotoFiles::PhotoFile>& files)
{
    const QStringList selectedList = SelectedPaths();
    const QSet<QString> selected(selectedList.begin(), selectedList.end());
    const QString current = PathOf(currentItem());
    clear();
    const QIcon icon = TendrelIcon(QStringLiteral("photo-edit"));
    QList<QTreeWidgetItem*> rows;
    rows.reserve(int(files.size()));
    for (const PhotoFiles::PhotoFile& file : files) {
        auto* row = new PhotoRow(QStringList{
            QString(), file.name, PhotoFiles::SizeText(file.size),
            PhotoFiles::TypeText(file.name), PhotoFiles::DateText(file.modified),
            PhotoFiles::DateText(file.created)});
        row->setIcon(0, icon);
        row->setData(0, kPathRole, file.path);
        row->setData(kSizeColumn, kSortRole, qint64(file.size));
        row->setData(kModifiedColumn, kSortRole, SortTime(file.modified));
        row->setData(kCreatedColumn, kSortRole, SortTime(file.created));
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        for (int i = 0; i < columnCount(); ++i)
            row->setTextAlignment(i, kColumns[i].alignment | Qt::AlignVCenter);
        rows.append(row);
    }
    addTopLevelItems(rows);
    for (QTreeWidgetItem* row : rows) {
        const QString path = PathOf(row);
        if (path == current)
            setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
        row->setSelected(selected.contains(path));
    }
}

QString PhotoReportTable::PathOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kPathRole).toString() : QString();
}

QTreeWidgetItem* PhotoReportTable::ItemOf(const QString& path) const
{
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (PathOf(topLevelItem(row)) == path)
            return topLevelItem(row);
    return nullptr;
}

QStringList PhotoReportTable::SelectedPaths() const
{
    QStringList paths;
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (topLevelItem(row)->isSelected())
            paths.append(PathOf(topLevelItem(row)));
    return paths;
}

void PhotoReportTable::EditName(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_rename.Begin(PathOf(item));
    editItem(item, kNameColumn);
}

void PhotoReportTable::commitData(QWidget* editor)
{
    m_rename.Commit(this, editor, [this](const QString& path, const QString& typed) {
        Q_EMIT RenameCommitted(path, typed);
    });
}

void PhotoReportTable::startDrag(Qt::DropActions)
{
    QTreeWidgetItem* dragged = currentItem();
    if (!dragged)
        return;
    const QString path = PathOf(dragged);
    if (PhotoDrag::ToFolder(this, path, dragged->icon(0).pixmap(16, 16)))
        Q_EMIT PhotoMovedAway(path);
}
