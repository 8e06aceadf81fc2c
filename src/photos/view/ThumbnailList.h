#pragma once

#include "photos/view/InPlaceRename.h"
#include "photos/PhotoFiles.h"
#include "photos/Thumbnails.h"

#include <QListWidget>
#include <QPersistentModelIndex>
#include <vector>

// A list of a folder's photos as thumbnails. Items appear at once with their names; each
// thumbnail follows as it is decoded, and a file that turns out not to be a picture
// loses its item.
class ThumbnailList : public QListWidget
{
    Q_OBJECT

public:
    // Where a dragged photo goes: into a folder of the tree (a move) or onto the page.
    enum class DragTarget { Folder, Page };
    static constexpr int kPathRole = Qt::UserRole;

    ThumbnailList(DragTarget dragTarget, QWidget* parent = nullptr);

    // Lists the files with thumbnails fitted into `cell`; the icons are shown at the
    // list's icon size. The selected photos that are still there stay selected.
    void List(const std::vector<PhotoFiles::PhotoFile>& files, const QSize& cell);
    void Clear();

    static QString PathOf(const QListWidgetItem* item);
    QListWidgetItem* ItemOf(const QString& path) const;
    QStringList SelectedPaths() const;

    bool IsLoading() const { return m_loader.IsRunning(); }
    // Waits for the last thumbnail of the present listing (tests).
    void WaitForThumbnails() { m_loader.WaitForFinished(); }

    // Starts editing an item's name; the outcome comes back through renameCommitted once
    // the editor has closed.
    void EditName(QListWidgetItem* item);
    // An editor is open or a drag is on: the items must not be rebuilt now.
    bool IsBusy() const
    {
        return state() == EditingState || state() == DraggingState || HasOpenEditor(*this);
    }

Q_SIGNALS:
    void LoadProgress(int done, int total);
    void LoadFinished();
    // A drag towards the tree moved this photo away.
    void PhotoMovedAway(const QString& path);
    void RenameCommitted(const QString& path, const QString& newName);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void commitData(QWidget* editor) override;

private:
    void OnThumbnail(int index, const QImage& thumbnail);

    DragTarget m_dragTarget;
    BackgroundThumbnailLoader m_loader;
    std::vector<QPersistentModelIndex> m_loading;   // by the loader's index
    InPlaceRename m_rename;
};
