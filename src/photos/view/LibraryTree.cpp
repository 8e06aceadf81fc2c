#include "photos/view/LibraryTree.h"

#include "commands/CommandIds.h"
#include "settings/SettingsKeys.h"
#include "canvas/editing/PageDocument.h"
#include "platform/BusyCursor.h"
#include "widgets/Icons.h"
#include "photos/FolderWatch.h"
#include "photos/LibraryFiles.h"
#include "photos/NaturalOrder.h"
#include "photos/PhotoDrag.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/UserPrompt.h"
#include "platform/SettingsStore.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QProgressDialog>

namespace {

struct MenuEntry
{
    int id;
    const char* text;
};

constexpr MenuEntry kRootMenu[] = {
    {Cmd::TreeAddFolder, "Add Folder"},
    {Cmd::TreeRenameFolder, "Rename"},
};
constexpr MenuEntry kFolderMenu[] = {
    {Cmd::TreeAddNewsletter, "Add Newsletter"},
    {Cmd::TreeAddFolder, "Add Subfolder"},
    {Cmd::TreeRenameFolder, "Rename"},
    {Cmd::TreeDeleteFolder, "Delete"},
    {Cmd::TreeHideFolder, "Hide"},
    {Cmd::TreeImportPhotos, "Import Photos"},
    {Cmd::TreeExportPhotos, "Export Photos"},
    {Cmd::TreeSendEmail, "Send Email"},
};
constexpr MenuEntry kDocumentMenu[] = {
    {Cmd::TreeOpenDocument, "Open"},
    {Cmd::TreeRenameDocument, "Rename"},
    {Cmd::TreeDeleteDocument, "Delete"},
};

// The picture types the import offers, one filter each.
constexpr const char* kImportFilter =
    "Jpeg (*.JPG);;Bitmap(*.BMP);;GIF(*.Gif);;PNG Files(*.PNG);;Windows Metafile(*.EMF)";

QString IconName(LibraryNode::Kind kind)
{
    switch (kind) {
    case LibraryNode::Root: return QStringLiteral("tree-root");
    case LibraryNode::Folder: return QStringLiteral("tree-folder");
    case LibraryNode::Document: return QStringLiteral("tree-document");
    }
    return {};
}

QString DocumentFileName(const QString& name)
{
    return name + QStringLiteral(".wrn");
}

// The tree shows pages without ".wrn"; a name typed with it means the same page.
QString PageName(const QString& typed)
{
    return typed.endsWith(QLatin1String(".wrn"), Qt::CaseInsensitive) ? typed.chopped(4) : typed;
}

// Long copies show how far they are and may be cancelled; short ones never flash a window.
class CopyProgress
{
public:
    CopyProgress(const QString& label, QWidget* parent)
        : m_dialog(label, QStringLiteral("Cancel"), 0, 0, parent)
    {
        m_dialog.setWindowTitle(UserPrompt::DefaultTitle());
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
    }

    LibraryFiles::Progress Callback()
    {
        return [this](int done, int total) {
            m_dialog.setMaximum(total);
            m_dialog.setValue(done);
            return !m_dialog.wasCanceled();
        };
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

LibraryTree::LibraryTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("folderTree"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setToolTip(QStringLiteral("Right-click a folder to add, import, export or rename"));
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnCurrentItemChanged(current); });
    // Items are never taken away under an open editor or a drag.
    m_watch = new FolderWatch(
        [this] { return state() == EditingState || state() == DraggingState; }, this);
    connect(m_watch, &FolderWatch::FoldersChanged, this, &LibraryTree::FollowDisk);
}

// ---- items ------------------------------------------------------------------------------

LibraryNode::Kind LibraryTree::KindOf(const QTreeWidgetItem* item)
{
    return item ? static_cast<LibraryNode::Kind>(item->data(0, kKindRole).toInt())
                : LibraryNode::Root;
}

QString LibraryTree::PathOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kPathRole).toString() : QString();
}

QTreeWidgetItem* LibraryTree::AddItem(QTreeWidgetItem* parent, LibraryNode::Kind kind,
                                      const QString& path)
{
    auto* item = new QTreeWidgetItem(QStringList{LibraryScan::DisplayName(path, kind)});
    item->setIcon(0, TendrelIcon(IconName(kind)));
    item->setData(0, kKindRole, int(kind));
    item->setData(0, kPathRole, path);
    item->setToolTip(0, QDir::toNativeSeparators(path));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    if (kind == LibraryNode::Document)
        flags |= Qt::ItemIsDragEnabled;
    if (kind == LibraryNode::Folder)
        flags |= Qt::ItemIsDropEnabled;
    item->setFlags(flags);
    // New items go first: a level that is not sorted shows the newest on top.
    if (parent)
        parent->insertChild(0, item);
    else
        insertTopLevelItem(0, item);
    return item;
}

void LibraryTree::AddChildren(QTreeWidgetItem* parent, const LibraryNode& node)
{
    // The scan gives each level in display order; adding in reverse keeps that order.
    for (auto child = node.children.rbegin(); child != node.children.rend(); ++child)
        AddChildren(AddItem(parent, child->kind, child->path), *child);
}

void LibraryTree::SortChildren(QTreeWidgetItem* item)
{
    // Taking the children out would hand the selection to their parent for a moment,
    // and the centers would show that folder; the selected item stays selected instead,
    // and open folders below stay open.
    QTreeWidgetItem* current = currentItem();
    QList<QTreeWidgetItem*> expanded;
    const std::function<void(QTreeWidgetItem*)> collect = [&](QTreeWidgetItem* below) {
        for (int i = 0; i < below->childCount(); ++i) {
            if (below->child(i)->isExpanded())
                expanded.append(below->child(i));
            collect(below->child(i));
        }
    };
    collect(item);
    const QSignalBlocker quiet(this);
    QList<QTreeWidgetItem*> children = item->takeChildren();
    const NaturalOrder order;
    std::stable_sort(children.begin(), children.end(),
                     [&order](auto* a, auto* b) { return order(a->text(0), b->text(0)); });
    item->addChildren(children);
    for (QTreeWidgetItem* open : expanded)
        open->setExpanded(true);
    setCurrentItem(current);
}

QTreeWidgetItem* LibraryTree::ItemOf(const QString& path) const
{
    for (QTreeWidgetItemIterator it(const_cast<LibraryTree*>(this)); *it; ++it)
        if (PathOf(*it) == path)
            return *it;
    return nullptr;
}

void LibraryTree::LoadRoot(const QString& path)
{
    if (path.isEmpty())
        return;
    const BusyCursor busy;
    m_rootPath = path;
    m_dropTarget = nullptr;
    m_hidden.clear();
    const LibraryNode library = LibraryScan::Scan(path);
    QSignalBlocker quiet(this);
    clear();
    QTreeWidgetItem* root = AddItem(nullptr, LibraryNode::Root, path);
    AddChildren(root, library);
    root->setExpanded(true);
    setCurrentItem(root);
    WatchShownFolders();
    quiet.unblock();
    Q_EMIT RootLoaded(path);
}

void LibraryTree::SelectFolder(const QString& path)
{
    if (QTreeWidgetItem* item = ItemOf(path)) {
        if (item == currentItem())
            OnCurrentItemChanged(item);
        else
            setCurrentItem(item);
    }
}

void LibraryTree::OnCurrentItemChanged(QTreeWidgetItem* current)
{
    if (!current || KindOf(current) == LibraryNode::Root)
        return;
    m_selectedPath = PathOf(current);
    if (KindOf(current) != LibraryNode::Folder)
        return;
    m_currentFolder = m_selectedPath;
    Q_EMIT FolderSelected(m_currentFolder);
}

void LibraryTree::AddDocument(const QString& path)
{
    QTreeWidgetItem* folder = ItemOf(QFileInfo(path).absolutePath());
    if (!folder || KindOf(folder) == LibraryNode::Document || ItemOf(path))
        return;
    AddItem(folder, LibraryNode::Document, path);
}

// ---- commands -----------------------------------------------------------------------------

bool LibraryTree::MayMailFolder(const QTreeWidgetItem* item)
{
    // The canvas materials go to nobody.
    return item && KindOf(item) == LibraryNode::Folder
        && QFileInfo(PathOf(item)).fileName() != QLatin1String(PhotoLibrary::kMaterialsFolder);
}

bool LibraryTree::OnCommand(int id)
{
    using namespace Cmd;
    switch (id) {
    case TreeRefreshSelection:
        if (!m_currentFolder.isEmpty())
            Q_EMIT FolderSelected(m_currentFolder);
        return true;
    case TreeAddFolder: AddFolder(); return true;
    case TreeDeleteFolder: DeleteFolder(); return true;
    case TreeHideFolder:
        if (KindOf(currentItem()) == LibraryNode::Folder) {
            m_hidden.insert(PathOf(currentItem()));
            delete currentItem();
            WatchShownFolders();
        }
        return true;
    case TreeRenameFolder:
    case TreeRenameDocument: StartRename(currentItem()); return true;
    case TreeImportPhotos: ImportPhotos(); return true;
    case TreeExportPhotos: ExportPhotos(); return true;
    case TreeAddNewsletter: AddNewsletter(); return true;
    case TreeOpenDocument:
        if (KindOf(currentItem()) == LibraryNode::Document)
            Q_EMIT DocumentOpenRequested(PathOf(currentItem()));
        return true;
    case TreeDeleteDocument: DeleteDocument(); return true;
    case TreeSendEmail:
        if (MayMailFolder(currentItem()))
            Q_EMIT SendEmailRequested(PathOf(currentItem()));
        return true;
    default: return false;
    }
}

CommandState LibraryTree::UpdateCommand(int id) const
{
    using namespace Cmd;
    QTreeWidgetItem* item = currentItem();
    const LibraryNode::Kind kind = KindOf(item);
    const bool folder = item && kind == LibraryNode::Folder;
    switch (id) {
    case TreeRefreshSelection: return CommandState::Enabled(true);
    case TreeAddFolder: return CommandState::Enabled(item && kind != LibraryNode::Document);
    case TreeRenameFolder: return CommandState::Enabled(item && kind != LibraryNode::Document);
    case TreeDeleteFolder:
    case TreeHideFolder:
    case TreeImportPhotos:
    case TreeExportPhotos:
    case TreeAddNewsletter: return CommandState::Enabled(folder);
    case TreeSendEmail: return CommandState::Enabled(MayMailFolder(item));
    case TreeOpenDocument:
    case TreeRenameDocument:
    case TreeDeleteDocument:
        return CommandState::Enabled(item && kind == LibraryNode::Document);
    default: return {};
    }
}

QMenu* LibraryTree::BuildContextMenu(QTreeWidgetItem* item)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("treeMenu"));
    const auto add = [&](const auto& entries) {
        for (const MenuEntry& entry : entries) {
            QAction* action = menu->addAction(QString::fromLatin1(entry.text));
            action->setData(entry.id);
            connect(action, &QAction::triggered, this, [this, id = entry.id] { OnCommand(id); });
        }
    };
    switch (KindOf(item)) {
    case LibraryNode::Root: add(kRootMenu); break;
    case LibraryNode::Folder: add(kFolderMenu); break;
    case LibraryNode::Document: add(kDocumentMenu); break;
    }
    return menu;
}

void LibraryTree::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu key opens the menu of the selected item, below it.
    const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
    QTreeWidgetItem* item = byKey ? currentItem() : itemAt(event->pos());
    if (!item)
        return;
    setCurrentItem(item);
    QMenu* menu = BuildContextMenu(item);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(byKey ? viewport()->mapToGlobal(visualItemRect(item).bottomLeft())
                      : event->globalPos());
}

void LibraryTree::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        StartRename(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void LibraryTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A document opens on the page; folders open and close as usual.
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item && KindOf(item) == LibraryNode::Document) {
        setCurrentItem(item);
        OnCommand(Cmd::TreeOpenDocument);
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void LibraryTree::AddFolder()
{
    QTreeWidgetItem* parent = currentItem();
    if (!parent || KindOf(parent) == LibraryNode::Document)
        return;
    // The new folder's name is offered for typing at once.
    ++m_newFolderCounter;
    QTreeWidgetItem* item =
        AddFolderItem(parent, LibraryFiles::NewFolderPath(PathOf(parent), m_newFolderCounter));
    if (!item)
        return;
    setCurrentItem(item);
    StartRename(item);
}

void LibraryTree::AddRootFolder(const QString& name)
{
    // A child enrolled with a folder already there keeps its one item.
    QTreeWidgetItem* root = topLevelItem(0);
    const QString path = QDir(m_rootPath).filePath(name);
    if (!root)
        return;
    QTreeWidgetItem* item = ItemOf(path);
    if (!item)
        item = AddFolderItem(root, path);
    if (item)
        setCurrentItem(item);
}

QTreeWidgetItem* LibraryTree::AddFolderItem(QTreeWidgetItem* parent, const QString& path)
{
    if (!QFileInfo(path).isDir()) {
        Prompt().Warn(QStringLiteral("The folder %1 could not be created.")
                          .arg(QDir::toNativeSeparators(path)));
        return nullptr;
    }
    QTreeWidgetItem* item = AddItem(parent, LibraryNode::Folder, path);
    SortChildren(parent);
    parent->setExpanded(true);
    scrollToItem(item);
    WatchShownFolders();
    return item;
}

void LibraryTree::DeleteFolder()
{
    QTreeWidgetItem* item = currentItem();
    if (KindOf(item) != LibraryNode::Folder)
        return;
    // Photos are not items of the tree, so the disk is asked too: a folder is only ever
    // removed when it is empty.
    const QDir folder(PathOf(item));
    const bool hasEntries = folder.exists()
        && !folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                           | QDir::System);
    if (item->childCount() > 0 || hasEntries) {
        Prompt().Warn(QStringLiteral("Please delete photos or child folders first"));
        return;
    }
    if (folder.exists() && !QDir().rmdir(folder.path())) {
        Prompt().Warn(QStringLiteral("The folder %1 could not be removed.")
                          .arg(QDir::toNativeSeparators(folder.path())));
        return;
    }
    delete item;
}

void LibraryTree::DeleteDocument()
{
    QTreeWidgetItem* item = currentItem();
    if (KindOf(item) != LibraryNode::Document)
        return;
    if (LibraryFiles::Discard(PathOf(item)) == LibraryFiles::Discarded::Failed) {
        Prompt().Warn(QStringLiteral("The document %1 could not be deleted.")
                          .arg(QDir::toNativeSeparators(PathOf(item))));
        return;
    }
    delete item;
}

void LibraryTree::ImportPhotos()
{
    QTreeWidgetItem* item = currentItem();
    if (KindOf(item) != LibraryNode::Folder)
        return;
    const QString folder = PathOf(item);
    const QStringList files = Prompt().ChooseFilesToOpen(
        QStringLiteral("Import Photos"), QString(), QString::fromLatin1(kImportFilter));
    if (files.isEmpty())
        return;
    {
        CopyProgress progress(QStringLiteral("Importing photos..."), this);
        LibraryFiles::ImportPhotos(files, folder, progress.Callback());
    }
    Q_EMIT FolderSelected(folder);
}

void LibraryTree::ExportPhotos()
{
    QTreeWidgetItem* item = currentItem();
    if (KindOf(item) != LibraryNode::Folder)
        return;
    const QString destination =
        Prompt().ChooseFolder(QStringLiteral("Export Photos"), QString());
    if (destination.isEmpty())
        return;
    const QString folder = PathOf(item);
    QString created;
    bool complete = false;
    {
        CopyProgress progress(QStringLiteral("Exporting photos..."), this);
        complete = LibraryFiles::ExportFolder(folder, destination, &created, progress.Callback());
    }
    if (created.isEmpty())
        Prompt().Warn(QStringLiteral("%1 already holds a folder named %2, or it could not be "
                                     "made there. Nothing was exported.")
                          .arg(QDir::toNativeSeparators(destination), item->text(0)));
    else if (!complete)
        Prompt().Warn(QStringLiteral("Not every photo could be exported to %1.")
                          .arg(QDir::toNativeSeparators(created)));
}

void LibraryTree::AddNewsletter()
{
    QTreeWidgetItem* item = currentItem();
    if (KindOf(item) != LibraryNode::Folder)
        return;
    const QString section = QString::fromLatin1(SettingsKey::Setting);
    const QString key = QString::fromLatin1(SettingsKey::DiagramIndex);
    const int index = Settings().GetInt(section, key, 0) + 1;
    Settings().WriteInt(section, key, index);
    const QString path = LibraryFiles::CreateNewsletter(PathOf(item));
    if (path.isEmpty()) {
        Prompt().Warn(QStringLiteral("A newsletter could not be created in %1.")
                          .arg(QDir::toNativeSeparators(PathOf(item))));
        return;
    }
    QTreeWidgetItem* document = AddItem(item, LibraryNode::Document, path);
    document->setData(0, kNewsletterIndexRole, index);
    item->setExpanded(true);
    scrollToItem(document);
}

// ---- renaming -------------------------------------------------------------------------------

void LibraryTree::StartRename(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_rename.Begin(PathOf(item));
    editItem(item, 0);
}

void LibraryTree::commitData(QWidget* editor)
{
    // The item is renamed once its file or folder is; the view never renames alone.
    m_rename.Commit(this, editor, [this](const QString& path, const QString& typed) {
        Rename(ItemOf(path), typed);
    });
}

void LibraryTree::Rename(QTreeWidgetItem* item, const QString& typed)
{
    if (!item)
        return;
    const LibraryNode::Kind kind = KindOf(item);
    const QString text = kind == LibraryNode::Document ? PageName(typed) : typed;
    if (text.isEmpty() || text == item->text(0))
        return;
    if (kind == LibraryNode::Root) {
        item->setText(0, text);   // only the label: the root stays where it is
        return;
    }
    if (const QString problem = LibraryFiles::NameProblem(text); !problem.isEmpty()) {
        Prompt().Warn(problem);
        return;
    }
    const QFileInfo old(PathOf(item));
    const QString name = kind == LibraryNode::Document ? DocumentFileName(text) : text;
    const QString newPath = old.dir().filePath(name);
    if (!LibraryFiles::RenameEntry(old.filePath(), newPath)) {
        Prompt().Warn(QStringLiteral("%1 could not be renamed to %2. Something of that name "
                                     "may already be there.")
                          .arg(item->text(0), text));
        return;
    }
    item->setText(0, text);
    if (kind == LibraryNode::Document)
        RenameDocument(item, newPath);
    else
        RenameFolder(item, newPath);
}

void LibraryTree::RenameDocument(QTreeWidgetItem* item, const QString& newPath)
{
    const QString oldPath = PathOf(item);
    item->setData(0, kPathRole, newPath);
    item->setToolTip(0, QDir::toNativeSeparators(newPath));
    FollowMove(oldPath, newPath);
}

void LibraryTree::RenameFolder(QTreeWidgetItem* item, const QString& newPath)
{
    const QString oldPath = PathOf(item);
    const std::function<void(QTreeWidgetItem*)> follow = [&](QTreeWidgetItem* below) {
        const QString moved = newPath + PathOf(below).mid(oldPath.size());
        below->setData(0, kPathRole, moved);
        below->setToolTip(0, QDir::toNativeSeparators(moved));
        for (int i = 0; i < below->childCount(); ++i)
            follow(below->child(i));
    };
    follow(item);
    FollowMove(oldPath, newPath);
    WatchShownFolders();
    if (item == currentItem())
        OnCurrentItemChanged(item);
}

void LibraryTree::FollowMove(const QString& oldPath, const QString& newPath)
{
    const auto moved = [&](const QString& path) {
        if (path == oldPath)
            return newPath;
        if (path.startsWith(oldPath + QLatin1Char('/')))
            return newPath + path.mid(oldPath.size());
        return path;
    };
    m_currentFolder = m_currentFolder.isEmpty() ? m_currentFolder : moved(m_currentFolder);
    m_selectedPath = m_selectedPath.isEmpty() ? m_selectedPath : moved(m_selectedPath);
    if (!m_document || m_document->Path().isEmpty())
        return;
    const QString documentPath = moved(m_document->Path());
    if (documentPath == m_document->Path())
        return;
    m_document->SetPath(documentPath);
    m_document->SetTitle(QFileInfo(documentPath).fileName());
}

// ---- following the disk ------------------------------------------------------------------------

QStringList LibraryTree::WatchedFolders() const
{
    return m_watch->Watched();
}

void LibraryTree::WatchShownFolders()
{
    QStringList folders;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if (KindOf(*it) != LibraryNode::Document)
            folders.append(PathOf(*it));
    m_watch->Watch(folders);
}

void LibraryTree::FollowDisk(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (!QFileInfo(folder).isDir())
            continue;   // gone: its parent's items follow that
        QList<QTreeWidgetItem*> items;
        for (QTreeWidgetItemIterator it(this); *it; ++it)
            if (KindOf(*it) != LibraryNode::Document && PathOf(*it) == folder)
                items.append(*it);
        for (QTreeWidgetItem* item : items)
            FollowFolder(item);
    }
    WatchShownFolders();
}

void LibraryTree::FollowFolder(QTreeWidgetItem* item)
{
    const std::vector<LibraryNode> entries = LibraryScan::Entries(PathOf(item));
    QSet<QString> onDisk;
    for (const LibraryNode& entry : entries)
        onDisk.insert(entry.path);
    QSet<QString> shown;
    QList<QTreeWidgetItem*> gone;
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (onDisk.contains(PathOf(child)))
            shown.insert(PathOf(child));
        else
            gone.append(child);
    }
    if (!gone.isEmpty()) {
        HighlightDropTarget(nullptr);
        // The selection leaves a vanished item for its folder, never for a neighbour.
        for (QTreeWidgetItem* at = currentItem(); at; at = at->parent())
            if (gone.contains(at)) {
                setCurrentItem(item);
                break;
            }
        qDeleteAll(gone);
    }
    bool added = false;
    for (const LibraryNode& entry : entries) {
        if (shown.contains(entry.path) || m_hidden.contains(entry.path))
            continue;
        if (entry.kind == LibraryNode::Folder)
            AddChildren(AddItem(item, entry.kind, entry.path), LibraryScan::ScanFolder(entry.path));
        else
            AddItem(item, entry.kind, entry.path);
        added = true;
    }
    if (added && KindOf(item) == LibraryNode::Root)
        SortChildren(item);
}

// ---- drag and drop ---------------------------------------------------------------------------

QTreeWidgetItem* LibraryTree::FolderAt(const QPoint& viewportPoint) const
{
    QTreeWidgetItem* item = itemAt(viewportPoint);
    return KindOf(item) == LibraryNode::Folder && item ? item : nullptr;
}

void LibraryTree::HighlightDropTarget(QTreeWidgetItem* item)
{
    if (item == m_dropTarget)
        return;
    if (m_dropTarget)
        m_dropTarget->setBackground(0, QBrush());
    m_dropTarget = item;
    if (m_dropTarget)
        m_dropTarget->setBackground(0, palette().highlight().color().lighter(160));
}

bool LibraryTree::MayReplace(const QString& target) const
{
    // A file of the same name in the target folder is only replaced when the user says so.
    if (!QFileInfo::exists(target))
        return true;
    return Prompt().AskYesNo(QStringLiteral("%1 already holds a file named %2. Replace it?")
                                 .arg(QDir::toNativeSeparators(QFileInfo(target).path()),
                                      QFileInfo(target).fileName()));
}

void LibraryTree::startDrag(Qt::DropActions)
{
    QTreeWidgetItem* item = currentItem();
    if (KindOf(item) != LibraryNode::Document || !item)
        return;
    PhotoDrag::Document(this, PathOf(item), item->icon(0).pixmap(16, 16));
    HighlightDropTarget(nullptr);
}

void LibraryTree::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (event->source() && (!PhotoDrag::PathIn(data, PhotoDrag::kPhotoMime).isEmpty()
                            || !PhotoDrag::PathIn(data, PhotoDrag::kDocumentMime).isEmpty()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void LibraryTree::dragMoveEvent(QDragMoveEvent* event)
{
    QTreeWidgetItem* folder = FolderAt(event->position().toPoint());
    HighlightDropTarget(folder);
    if (folder)
        event->acceptProposedAction();
    else
        event->ignore();
}

void LibraryTree::dragLeaveEvent(QDragLeaveEvent* event)
{
    HighlightDropTarget(nullptr);
    QTreeWidget::dragLeaveEvent(event);
}

void LibraryTree::dropEvent(QDropEvent* event)
{
    HighlightDropTarget(nullptr);
    const QPoint at = event->position().toPoint();
    const QString photo = PhotoDrag::PathIn(event->mimeData(), PhotoDrag::kPhotoMime);
    const QString document = PhotoDrag::PathIn(event->mimeData(), PhotoDrag::kDocumentMime);
    bool moved = false;
    if (event->source() && !photo.isEmpty())
        moved = DropPhoto(photo, viewport()->mapToGlobal(at));
    else if (event->source() && !document.isEmpty())
        moved = DropDocument(ItemOf(document), FolderAt(at));
    if (moved) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

bool LibraryTree::DropPhoto(const QString& path, const QPoint& globalPoint)
{
    QTreeWidgetItem* folder = FolderAt(viewport()->mapFromGlobal(globalPoint));
    if (!folder)
        return false;
    const QString target = QDir(PathOf(folder)).filePath(QFileInfo(path).fileName());
    if (QFileInfo(target) == QFileInfo(path) || !MayReplace(target))
        return false;
    if (!LibraryFiles::MoveFile(path, target, true)) {
        Prompt().Warn(QStringLiteral("%1 could not be moved to %2; it is still where it was.")
                          .arg(QFileInfo(path).fileName(),
                               QDir::toNativeSeparators(PathOf(folder))));
        return false;
    }
    return true;
}

bool LibraryTree::DropDocument(QTreeWidgetItem* document, QTreeWidgetItem* folder)
{
    if (!document || !folder || KindOf(document) != LibraryNode::Document
        || KindOf(folder) != LibraryNode::Folder)
        return false;
    const QString path = PathOf(document);
    const QString target = QDir(PathOf(folder)).filePath(DocumentFileName(document->text(0)));
    if (QFileInfo(target) == QFileInfo(path) || !MayReplace(target))
        return false;
    if (!LibraryFiles::MoveFile(path, target, true)) {
        Prompt().Warn(QStringLiteral("%1 could not be moved to %2; it is still where it was.")
                          .arg(document->text(0), QDir::toNativeSeparators(PathOf(folder))));
        return false;
    }
    if (QTreeWidgetItem* replaced = ItemOf(target))
        delete replaced;
    delete document;
    AddItem(folder, LibraryNode::Document, target);
    FollowMove(path, target);
    return true;
}
