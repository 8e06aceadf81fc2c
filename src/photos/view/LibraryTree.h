#pragma once

#include "commands/CommandTarget.h"
#include "photos/view/InPlaceRename.h"
#include "photos/LibraryScan.h"

#include <QSet>
#include <QTreeWidget>

class PageDocument;
class FolderWatch;
class QMenu;

// The folder tree of the photo library, docked on the left of the main window: the
// folders under the pictures root and the documents in them. Its selection is the folder
// every center works on; its context menu makes, renames, hides and deletes folders,
// imports and exports photos and adds, opens, renames and deletes documents. Folders and
// documents added or removed on disk by other programs join or leave the tree.
class LibraryTree : public QTreeWidget, public CommandTarget
{
    Q_OBJECT

public:
    static constexpr int kKindRole = Qt::UserRole;
    static constexpr int kPathRole = Qt::UserRole + 1;
    // The newsletter counter's value when the document was added.
    static constexpr int kNewsletterIndexRole = Qt::UserRole + 2;

    explicit LibraryTree(QWidget* parent = nullptr);

    // The open page follows renames and moves of its file.
    void SetDocument(PageDocument* document) { m_document = document; }

    // Shows the library under a new root folder.
    void LoadRoot(const QString& path);
    QString RootPath() const { return m_rootPath; }
    // Selects the item of a path and hands it to the shown center.
    void SelectFolder(const QString& path);
    // The folder last selected, handed to the centers; empty before the first.
    QString CurrentFolder() const { return m_currentFolder; }
    // The item last selected, folder or document: where the camera saves.
    QString SelectedPath() const { return m_selectedPath; }

    QTreeWidgetItem* ItemOf(const QString& path) const;
    static LibraryNode::Kind KindOf(const QTreeWidgetItem* item);
    static QString PathOf(const QTreeWidgetItem* item);

    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    // The context menu of an item, built afresh (tests read it).
    QMenu* BuildContextMenu(QTreeWidgetItem* item);

    // A photo dragged from the Photo Center, dropped at a screen point: moved into the
    // folder under it. False (nothing moved) anywhere else.
    bool DropPhoto(const QString& path, const QPoint& globalPoint);
    // A document dragged within the tree: moved into the folder item.
    bool DropDocument(QTreeWidgetItem* document, QTreeWidgetItem* folder);
    // A page was saved: its file joins the tree when its folder is listed.
    void AddDocument(const QString& path);
    // A folder made directly under the root (a new child's) joins the tree in order and
    // becomes the selected folder.
    void AddRootFolder(const QString& name);
    // The folders whose changes on disk the tree follows: every folder it shows.
    QStringList WatchedFolders() const;

Q_SIGNALS:
    // A folder was selected, asked for again (command 2779) or given new photos.
    void FolderSelected(const QString& path);
    void DocumentOpenRequested(const QString& path);
    // A new root is shown.
    void RootLoaded(const QString& path);
    // Send Email on a folder: its photos of the day are to go to its parents.
    void SendEmailRequested(const QString& folderPath);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void commitData(QWidget* editor) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, LibraryNode::Kind kind,
                             const QString& path);
    void AddChildren(QTreeWidgetItem* parent, const LibraryNode& node);
    void SortChildren(QTreeWidgetItem* item);
    // Shows a folder made on disk under a folder item, sorted among its siblings.
    // Returns the new item; none when the folder is not there.
    QTreeWidgetItem* AddFolderItem(QTreeWidgetItem* parent, const QString& path);
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    // Brings the items below the folders' items in line with the disk.
    void FollowDisk(const QStringList& folders);
    void FollowFolder(QTreeWidgetItem* item);
    void WatchShownFolders();

    // Commands on the current item.
    static bool MayMailFolder(const QTreeWidgetItem* item);
    void AddFolder();
    void DeleteFolder();
    void ImportPhotos();
    void ExportPhotos();
    void AddNewsletter();
    void DeleteDocument();
    void StartRename(QTreeWidgetItem* item);
    void Rename(QTreeWidgetItem* item, const QString& typed);
    void RenameFolder(QTreeWidgetItem* item, const QString& newPath);
    void RenameDocument(QTreeWidgetItem* item, const QString& newPath);
    // Paths below a renamed or moved folder, and the open page, follow it.
    void FollowMove(const QString& oldPath, const QString& newPath);

    // Drag and drop.
    QTreeWidgetItem* FolderAt(const QPoint& viewportPoint) const;
    void HighlightDropTarget(QTreeWidgetItem* item);
    bool MayReplace(const QString& target) const;

    QString m_rootPath;
    QString m_currentFolder;
    QString m_selectedPath;
    int m_newFolderCounter = 0;
    PageDocument* m_document = nullptr;
    InPlaceRename m_rename;
    QTreeWidgetItem* m_dropTarget = nullptr;
    // Hidden folders stay out of the tree until the next load, whatever the disk does.
    QSet<QString> m_hidden;
    FolderWatch* m_watch = nullptr;
};
