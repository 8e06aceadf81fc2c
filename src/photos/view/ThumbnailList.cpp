#include "photos/view/ThumbnailList.h"

#include "photos/PhotoDrag.h"

#include <QPainter>
#include <QPixmap>
#include <QSet>

namespace {

// Holds each item's place until its thumbnail arrives, so the grid does not jump.
QIcon BlankIcon(const QSize& cell)
{
    QPixmap blank(cell);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

ThumbnailList::ThumbnailList(DragTarget dragTarget, QWidget* parent)
    : QListWidget(parent), m_dragTarget(dragTarget)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setTextElideMode(Qt::ElideMiddle);
    connect(&m_loader, &BackgroundThumbnailLoader::ThumbnailReady, this, &ThumbnailList::OnThumbnail);
    connect(&m_loader, &BackgroundThumbnailLoader::Progress, this, &ThumbnailList::LoadProgress);
    connect(&m_loader, &BackgroundThumbnailLoader::Finished, this, &ThumbnailList::LoadFinished);
}

void ThumbnailList::List(const std::vector<PhotoFiles::PhotoFile>& files,
                                const QSize& cell)
{
    const QStringList selectedList = SelectedPaths();
    const QSet<QString> selected(selectedList.begin(), selectedList.end());
    const QString current = PathOf(currentItem());
    Clear();
    setUpdatesEnabled(false);
    const QIcon blank = BlankIcon(iconSize());
    QStringList paths;
    paths.reserve(int(files.size()));
    m_loading.reserve(files.size());
    for (const PhotoFiles::PhotoFile& file : files) {
        auto* item = new QListWidgetItem(blank, file.name, this);
        item->setData(kPathRole, file.path);
        item->setToolTip(file.name);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (file.path == current)
            setCurrentItem(item, QItemSelectionModel::NoUpdate);
        item->setSelected(selected.contains(file.path));
        m_loading.emplace_back(indexFromItem(item));
        paths.append(file.path);
    }
    setUpdatesEnabled(true);
    m_loader.Start(paths, cell);
}

void ThumbnailList::Clear()
{
    m_loader.Cancel();
    m_loading.clear();
    clear();
}

void ThumbnailList::OnThumbnail(int index, const QImage& thumbnail)
{
    if (index < 0 || size_t(index) >= m_loading.size() || !m_loading[size_t(index)].isValid())
        return;
    QListWidgetItem* item = itemFromIndex(m_loading[size_t(index)]);
    if (!item)
        return;
    if (thumbnail.isNull()) {
        delete item;   // not a picture this program can read
        return;
    }
    item->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
}

QString ThumbnailList::PathOf(const QListWidgetItem* item)
{
    return item ? item->data(kPathRole).toString() : QString();
}

QListWidgetItem* ThumbnailList::ItemOf(const QString& path) const
{
    for (int row = 0; row < count(); ++row)
        if (PathOf(item(row)) == path)
            return item(row);
    return nullptr;
}

QStringList ThumbnailList::SelectedPaths() const
{
    // In list order, whatever order the user picked them in.
    QStringList paths;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            paths.append(PathOf(item(row)));
    return paths;
}

void ThumbnailList::EditName(QListWidgetItem* listItem)
{
    if (!listItem)
        return;
    m_rename.Begin(PathOf(listItem));
    editItem(listItem);
}

void ThumbnailList::commitData(QWidget* editor)
{
    // The view renames the file and then the item; the item is never renamed alone.
    m_rename.Commit(this, editor, [this](const QString& path, const QString& typed) {
        Q_EMIT RenameCommitted(path, typed);
    });
}

void ThumbnailList::startDrag(Qt::DropActions)
{
    // Only the photo under the mouse travels, whatever else is selected.
    QListWidgetItem* dragged = currentItem();
    if (!dragged)
        return;
    const QString path = PathOf(dragged);
    const QPixmap pixmap = dragged->icon().pixmap(iconSize());
    if (m_dragTarget == DragTarget::Page) {
        PhotoDrag::ToPage(this, path, pixmap);
        return;
    }
    if (PhotoDrag::ToFolder(this, path, pixmap))
        Q_EMIT PhotoMovedAway(path);
}
