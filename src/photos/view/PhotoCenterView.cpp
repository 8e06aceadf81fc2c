#include "photos/view/PhotoCenterView.h"

#include "commands/CommandIds.h"
#include "commands/ZoomSlider.h"
#include "widgets/ActionRegistry.h"
#include "widgets/CommandMenu.h"
#include "photos/FolderWatch.h"
#include "photos/LibraryFiles.h"
#include "photos/view/PhotoReportTable.h"
#include "photos/PhotoZoom.h"
#include "photos/view/ThumbnailList.h"
#include "photos/Thumbnails.h"
#include "platform/UserPrompt.h"

#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kIconPage = 0;
constexpr int kReportPage = 1;

} // namespace

PhotoCenterView::PhotoCenterView(QWidget* parent) : CenterView(parent)
{
    setObjectName(QStringLiteral("photoCenter"));
    m_stack = new QStackedWidget(this);
    m_icons = new ThumbnailList(ThumbnailList::DragTarget::Folder, m_stack);
    m_icons->setObjectName(QStringLiteral("photoIcons"));
    m_icons->setIconSize(Thumbnails::CellForZoom(m_zoom));
    m_icons->setSpacing(6);
    m_icons->setWordWrap(true);
    m_report = new PhotoReportTable(m_stack);
    m_stack->addWidget(m_icons);
    m_stack->addWidget(m_report);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    setFocusProxy(m_icons);

    for (QAbstractItemView* list : {static_cast<QAbstractItemView*>(m_icons),
                                    static_cast<QAbstractItemView*>(m_report)}) {
        list->installEventFilter(this);
        connect(list, &QAbstractItemView::doubleClicked, this,
                [this] { OnCommand(Cmd::EditPhoto); });
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &CenterView::CommandStateChanged);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this, list](QPoint at) {
            QMenu* menu = BuildContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(list->viewport()->mapToGlobal(at));
        });
    }
    connect(m_icons, &ThumbnailList::RenameCommitted, this, &PhotoCenterView::Rename);
    connect(m_report, &PhotoReportTable::RenameCommitted, this, &PhotoCenterView::Rename);
    connect(m_icons, &ThumbnailList::PhotoMovedAway, this, &PhotoCenterView::ForgetFile);
    connect(m_report, &PhotoReportTable::PhotoMovedAway, this, &PhotoCenterView::ForgetFile);
    connect(m_icons, &ThumbnailList::LoadProgress, this, &PhotoCenterView::ShowProgress);
    connect(m_icons, &ThumbnailList::LoadFinished, this, &PhotoCenterView::ShowCount);
    m_watch = new FolderWatch([this] { return m_icons->IsBusy() || m_report->IsBusy(); }, this);
    connect(m_watch, &FolderWatch::FoldersChanged, this, [this] { ShowFolder(m_folder); });
}

void PhotoCenterView::Attach(PageDocument&, ActionRegistry& actions)
{
    m_actionSource = [&actions](int id) { return actions.Action(id); };
}

QMenu* PhotoCenterView::BuildContextMenu()
{
    using namespace Cmd;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("SearchView"));
    for (const int id : {IconMode, ReportMode, 0, EditPhoto, 0, MoveFile, CopyFile, PasteFile,
                         DeleteFile, RenameFile}) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(CommandMenu::ActionFor(id, *menu, m_actionSource, *this));
    }
    return menu;
}

void PhotoCenterView::ShowFolder(const QString& folder)
{
    std::vector<PhotoFiles::PhotoFile> files =
        PhotoFiles::ListFolder(folder, QString::fromLatin1(PhotoFiles::kListExtensions));
    if (folder == m_folder && PhotoFiles::SameListing(files, m_files))
        return;
    m_folder = folder;
    m_watch->Watch({folder});
    m_files = std::move(files);
    BuildItems();
}

void PhotoCenterView::ListFolder()
{
    m_files = PhotoFiles::ListFolder(m_folder, QString::fromLatin1(PhotoFiles::kListExtensions));
    BuildItems();
}

void PhotoCenterView::BuildItems()
{
    if (m_reportMode) {
        m_icons->Clear();
        m_report->Fill(m_files);
    } else {
        m_report->clear();
        m_icons->List(m_files, Thumbnails::CellForZoom(m_zoom));
    }
    ShowCount();
    Q_EMIT CommandStateChanged();
}

void PhotoCenterView::ShowProgress(int done, int total)
{
    // Long listings say how far they are; a finished one tells the count.
    if (done >= total) {
        ShowCount();
        return;
    }
    m_infoText = QStringLiteral("Reading photos: %1 of %2").arg(done).arg(total);
    Q_EMIT InfoTextChanged(m_infoText);
}

void PhotoCenterView::ShowCount()
{
    // Pictures that turn out unreadable leave the thumbnails, so those are counted once
    // they are all read; the table shows every file.
    if (!m_reportMode && m_icons->IsLoading())
        return;
    const int count = m_reportMode ? m_report->topLevelItemCount() : m_icons->count();
    m_infoText = m_folder.isEmpty() ? QString()
                 : count == 1       ? QStringLiteral("1 photo")
                                    : QStringLiteral("%1 photos").arg(count);
    Q_EMIT InfoTextChanged(m_infoText);
}

void PhotoCenterView::SetReportMode(bool report)
{
    if (report == m_reportMode)
        return;
    m_reportMode = report;
    m_stack->setCurrentIndex(report ? kReportPage : kIconPage);
    setFocusProxy(report ? static_cast<QWidget*>(m_report) : m_icons);
    ListFolder();
}

void PhotoCenterView::SetZoom(double zoom)
{
    m_zoom = zoom;
    m_icons->setIconSize(Thumbnails::CellForZoom(m_zoom));
    ListFolder();
}

void PhotoCenterView::ZoomFromSlider(int position)
{
    SetZoom(PhotoZoom::FromSlider(position));
}

QStringList PhotoCenterView::SelectedPaths() const
{
    return m_reportMode ? m_report->SelectedPaths() : m_icons->SelectedPaths();
}

QString PhotoCenterView::FocusedPath() const
{
    return m_reportMode ? PhotoReportTable::PathOf(m_report->currentItem())
                        : ThumbnailList::PathOf(m_icons->currentItem());
}

bool PhotoCenterView::OnCommand(int id)
{
    using namespace Cmd;
    switch (id) {
    case IconMode: SetReportMode(false); return true;
    case ReportMode: SetReportMode(true); return true;
    case EditPhoto:
        if (const QString path = FocusedPath(); !path.isEmpty())
            Q_EMIT PhotoEditRequested(path);
        return true;
    case MoveFile: FillClipboard(ClipboardMode::Move); return true;
    case CopyFile: FillClipboard(ClipboardMode::Copy); return true;
    case PasteFile: PasteFiles(); return true;
    case DeleteFile: DeleteSelected(); return true;
    case RenameFile: StartRename(); return true;
    case ListZoomIn:
    case ListZoomOut:
    case ListActualSize:
        if (m_reportMode)
            return true;   // the table has no thumbnails to zoom
        SetZoom(id == ListZoomIn    ? ZoomSlider::FactorIn(m_zoom)
                : id == ListZoomOut ? ZoomSlider::FactorOut(m_zoom)
                                    : 1.0);
        return true;
    default: return false;
    }
}

CommandState PhotoCenterView::UpdateCommand(int id) const
{
    using namespace Cmd;
    const bool hasSelection = !SelectedPaths().isEmpty();
    switch (id) {
    case IconMode: return CommandState::Enabled(m_reportMode);
    case ReportMode: return CommandState::Enabled(!m_reportMode);
    case EditPhoto:
    case MoveFile:
    case CopyFile:
    case DeleteFile: return CommandState::Enabled(hasSelection);
    case RenameFile: return CommandState::Enabled(!FocusedPath().isEmpty());
    case PasteFile:
        return CommandState::Enabled(!m_clipboard.isEmpty()
                                      && m_clipboardMode != ClipboardMode::None);
    case ListZoomIn:
    case ListZoomOut:
    case ListActualSize: return CommandState::Enabled(true);
    default: return {};
    }
}

void PhotoCenterView::FillClipboard(ClipboardMode mode)
{
    const QStringList selected = SelectedPaths();
    if (selected.isEmpty())
        return;
    m_clipboard = selected;
    m_clipboardMode = mode;
    Q_EMIT CommandStateChanged();
}

void PhotoCenterView::PasteFiles()
{
    if (m_clipboard.isEmpty() || m_clipboardMode == ClipboardMode::None || m_folder.isEmpty())
        return;
    // Children's photos often share camera names, so another photo is replaced only
    // when the user says so.
    QStringList taken;
    for (const QString& file : m_clipboard) {
        const QFileInfo target(QDir(m_folder).filePath(QFileInfo(file).fileName()));
        if (target.exists() && target != QFileInfo(file))
            taken.append(target.fileName());
    }
    const QString question = taken.size() == 1
        ? QStringLiteral("%1 already holds a file named %2. Replace it?")
        : QStringLiteral("%1 already holds files named %2. Replace them?");
    const bool replace = taken.isEmpty()
        || Prompt().AskYesNo(question.arg(QDir::toNativeSeparators(m_folder),
                                          taken.join(QStringLiteral(", "))));
    const bool move = m_clipboardMode == ClipboardMode::Move;
    const LibraryFiles::PasteResult result =
        LibraryFiles::PasteFiles(m_clipboard, m_folder, move, replace);
    // Moved photos are no longer where the clipboard says; those kept back, and copies,
    // may be pasted again.
    if (move) {
        m_clipboard.removeIf([](const QString& file) { return !QFileInfo::exists(file); });
        if (m_clipboard.isEmpty())
            m_clipboardMode = ClipboardMode::None;
    }
    ListFolder();
    if (result.failed > 0)
        Prompt().Warn(QStringLiteral("%1 of the photos could not be pasted into %2; "
                                     "they were left where they were.")
                          .arg(result.failed)
                          .arg(QDir::toNativeSeparators(m_folder)));
}

void PhotoCenterView::DeleteSelected()
{
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty())
        return;
    const QString question = paths.size() == 1
        ? QStringLiteral("Delete %1?").arg(QFileInfo(paths.front()).fileName())
        : QStringLiteral("Delete %1 photos?").arg(paths.size());
    if (!Prompt().AskYesNo(question))
        return;
    QStringList kept;
    for (const QString& path : paths) {
        if (LibraryFiles::Discard(path) == LibraryFiles::Discarded::Failed)
            kept.append(QFileInfo(path).fileName());
        else
            ForgetFile(path);
    }
    ShowCount();
    if (kept.size() == 1)
        Prompt().Warn(QStringLiteral("%1 could not be deleted; it is still in the folder.")
                          .arg(kept.front()));
    else if (!kept.isEmpty())
        Prompt().Warn(QStringLiteral("%1 of the photos could not be deleted; they are still in "
                                     "the folder.")
                          .arg(kept.size()));
}

void PhotoCenterView::ForgetFile(const QString& path)
{
    std::erase_if(m_files, [&](const PhotoFiles::PhotoFile& file) { return file.path == path; });
    delete m_icons->ItemOf(path);
    delete m_report->ItemOf(path);
    Q_EMIT CommandStateChanged();
}

void PhotoCenterView::StartRename()
{
    if (m_reportMode)
        m_report->EditName(m_report->currentItem());
    else
        m_icons->EditName(m_icons->currentItem());
}

void PhotoCenterView::Rename(const QString& path, const QString& typed)
{
    const QFileInfo photo(path);
    if (typed.isEmpty() || typed == photo.fileName())
        return;
    QString problem;
    const QString newName = PhotoFiles::RenamedFileName(photo.fileName(), typed, &problem);
    if (problem.isEmpty())
        problem = LibraryFiles::NameProblem(newName);
    if (!problem.isEmpty()) {
        Prompt().Warn(problem);
        return;
    }
    if (newName == photo.fileName())
        return;
    // The photo's own folder: the list may show another one by the time the editor closed.
    const QString target = photo.dir().filePath(newName);
    if (!LibraryFiles::RenameEntry(path, target)) {
        Prompt().Warn(QStringLiteral("%1 could not be renamed to %2. A file of that name may "
                                     "already be in the folder.")
                          .arg(photo.fileName(), newName));
        return;
    }
    for (PhotoFiles::PhotoFile& file : m_files)
        if (file.path == path) {
            file.path = target;
            file.name = newName;
        }
    if (QListWidgetItem* item = m_icons->ItemOf(path)) {
        item->setText(newName);
        item->setData(ThumbnailList::kPathRole, target);
    }
    if (QTreeWidgetItem* item = m_report->ItemOf(path)) {
        item->setText(PhotoReportTable::kNameColumn, newName);
        item->setData(0, PhotoReportTable::kPathRole, target);
    }
}

bool PhotoCenterView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return CenterView::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    int command = 0;
    if (key->modifiers() == Qt::ControlModifier) {
        switch (key->key()) {
        case Qt::Key_E: command = Cmd::EditPhoto; break;
        case Qt::Key_X: command = Cmd::MoveFile; break;
        case Qt::Key_C: command = Cmd::CopyFile; break;
        case Qt::Key_V: command = Cmd::PasteFile; break;
        default: break;
        }
    } else if (key->modifiers() == Qt::NoModifier) {
        if (key->key() == Qt::Key_Delete)
            command = Cmd::DeleteFile;
        else if (key->key() == Qt::Key_F2)
            command = Cmd::RenameFile;
    }
    if (command == 0)
        return CenterView::eventFilter(watched, event);
    if (UpdateCommand(command).enabled)
        OnCommand(command);
    return true;
}
