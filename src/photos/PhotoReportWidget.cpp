#include "photos/PhotoReportWidget.h"

#include "controls/Icons.h"
#include "photos/PhotoDrag.h"

#include <QHeaderView>
#include <QLineEdit>

namespace {

struct CColumn
{
    const char* heading;
    int width;
    Qt::Alignment alignment;
};

constexpr CColumn kColumns[] = {
    {"", 20, Qt::AlignLeft},
    {"Filename", 250, Qt::AlignLeft},
    {"Size", 100, Qt::AlignRight},
    {"Type", 100, Qt::AlignLeft},
    {"Date Modified", 180, Qt::AlignRight},
    {"Date Created", 180, Qt::AlignRight},
};

} // namespace

CPhotoReportWidget::CPhotoReportWidget(QWidget* parent) : QTreeWidget(parent)
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
    for (const CColumn& column : kColumns)
        headings.append(QString::fromLatin1(column.heading));
    setHeaderLabels(headings);
    header()->setStretchLastSection(false);
    for (int i = 0; i < columnCount(); ++i) {
        header()->resizeSection(i, kColumns[i].width);
        headerItem()->setTextAlignment(i, kColumns[i].alignment | Qt::AlignVCenter);
    }
}

void CPhotoReportWidget::Fill(const std::vector<PhotoFiles::CPhotoFile>& files)
{
    clear();
    const QIcon icon = TendrelIcon(QStringLiteral("photo-edit"));
    QList<QTreeWidgetItem*> rows;
    rows.reserve(int(files.size()));
    for (const PhotoFiles::CPhotoFile& file : files) {
        auto* row = new QTreeWidgetItem(QStringList{
            QString(), file.name, PhotoFiles::SizeText(file.size),
            PhotoFiles::TypeText(file.name), PhotoFiles::DateText(file.modified),
            PhotoFiles::DateText(file.created)});
        row->setIcon(0, icon);
        row->setData(0, kPathRole, file.path);
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        for (int i = 0; i < columnCount(); ++i)
            row->setTextAlignment(i, kColumns[i].alignment | Qt::AlignVCenter);
        rows.append(row);
    }
    addTopLevelItems(rows);
}

QString CPhotoReportWidget::PathOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kPathRole).toString() : QString();
}

QTreeWidgetItem* CPhotoReportWidget::ItemOf(const QString& path) const
{
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (PathOf(topLevelItem(row)) == path)
            return topLevelItem(row);
    return nullptr;
}

QStringList CPhotoReportWidget::SelectedPaths() const
{
    QStringList paths;
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (topLevelItem(row)->isSelected())
            paths.append(PathOf(topLevelItem(row)));
    return paths;
}

void CPhotoReportWidget::EditName(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_editedPath = PathOf(item);
    editItem(item, kNameColumn);
}

void CPhotoReportWidget::commitData(QWidget* editor)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && !m_editedPath.isEmpty())
        emit renameCommitted(std::exchange(m_editedPath, QString()), line->text());
}

void CPhotoReportWidget::startDrag(Qt::DropActions)
{
    QTreeWidgetItem* dragged = currentItem();
    if (!dragged)
        return;
    const QString path = PathOf(dragged);
    if (PhotoDrag::ToFolder(this, path, dragged->icon(0).pixmap(16, 16)))
        emit photoMovedAway(path);
}
