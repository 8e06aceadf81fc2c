#include "app/MainWindow.h"

#include "commands/CommandCatalog.h"
#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "settings/ProgramState.h"
#include "canvas/editing/PageDocument.h"
#include "commands/ZoomSlider.h"
#include "app/EditCenterView.h"
#include "canvas/view/CanvasView.h"
#include "app/AboutDialog.h"
#include "widgets/ActionRegistry.h"
#include "widgets/CenterView.h"
#include "app/CenterInfoDialog.h"
#include "app/HelpDialog.h"
#include "app/LibraryDock.h"
#include "app/CenterStack.h"
#include "app/StatusZoomControls.h"
#include "app/ToolbarLayout.h"
#include "app/TuitionRatesDialog.h"
#include "app/EmailSettingsDialog.h"
#include "app/DatabaseSettingsDialog.h"
#include "app/RecordsAvailability.h"
#include "app/RecordsNotice.h"
#include "records/RecordsDatabase.h"
#include "settings/DatabaseSettings.h"
#include "app/ParentMailing.h"
#include "settings/KeptSecret.h"
#include "app/BackgroundColorDialog.h"
#include "photos/view/LibraryTree.h"
#include "widgets/ModalRunner.h"
#include "platform/UserPrompt.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

namespace {

MainWindow* g_mainFrame = nullptr;

bool ShowsLeftBar(Center::Index center)
{
    return center != Center::StartPage && center != Center::StaffCenter;
}

bool ShowsZoomControls(Center::Index center)
{
    return center == Center::EditCenter || center == Center::PhotoCenter
        || center == Center::Reports;
}

// The folders among dropped URLs.
QStringList DroppedFolders(const QMimeData* data)
{
    QStringList folders;
    if (!data || !data->hasUrls())
        return folders;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir())
            folders.append(QDir::cleanPath(url.toLocalFile()));
    return folders;
}

} // namespace

MainWindow::MainWindow(PageDocument& document, const CenterViewFactory& factory)
    : m_document(document)
{
    g_mainFrame = this;
    setObjectName(QStringLiteral("mainFrame"));
    m_actions = new ActionRegistry([this](int id) { Dispatch(id); }, this);

    CreateCenterToolbar();
    CreateMenus();
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    CreateLeftBar();

    m_container = new CenterStack(*m_actions, factory, this);
    setCentralWidget(m_container);
    connect(m_container, &CenterStack::CenterSwitched, this, &MainWindow::OnCenterSwitched);
    if (auto* edit = qobject_cast<EditCenterView*>(EditView()))
        edit->Canvas()->SetFontChoice([this] {
            return CanvasStyleCommands::FontChoice{m_container->FontNameText(),
                                                   m_container->FontSizeValue()};
        });
    ConnectLibrary();
    for (int i = 0; i < Center::Count; ++i)
        WireView(m_container->View(static_cast<Center::Index>(i)));
    connect(m_container, &CenterStack::ViewCreated, this, &MainWindow::WireView);
    m_records = new RecordsAvailability(this);
    connect(m_records, &RecordsAvailability::Changed, this, &MainWindow::ShowRecordsState);
    // Kept beside the status text, which status tips would wipe.
    m_recordsState = new QLabel(this);
    m_recordsState->setObjectName(QStringLiteral("recordsState"));
    statusBar()->addPermanentWidget(m_recordsState);
    m_recordsState->hide();
    connect(m_container, &CenterStack::RecordsRetryRequested, m_records, &RecordsAvailability::Retry);
    // A command that failed on the server may mean the server went away: the records
    // centers then say so instead of failing command after command.
    SetRecordsServerErrorListener([records = QPointer<RecordsAvailability>(m_records)] {
        if (records)
            records->Check();
    });
    BindKeys();
    setAcceptDrops(true);
    connect(&m_document, &PageDocument::TitleChanged, this, &MainWindow::UpdateTitle);
    connect(&m_document, &PageDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    UpdateTitle();
    UpdateActions();
}

MainWindow::~MainWindow()
{
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}

MainWindow* MainWindow::Instance()
{
    return g_mainFrame;
}

LibraryTree* MainWindow::Tree() const
{
    return m_leftBar->Tree();
}

void MainWindow::CreateCenterToolbar()
{
    const ToolbarLayout& layout = CenterToolbarLayout();
    m_centerToolbar = new QToolBar(QString::fromUtf8(layout.title), this);
    m_centerToolbar->setObjectName(QStringLiteral("toolbar%1").arg(layout.resourceId));
    m_centerToolbar->setIconSize(QSize(40, 40));
    m_centerToolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const int id : layout.commands) {
        QAction* action = m_actions->Action(id);
        action->setCheckable(true);
        m_centerToolbar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_centerToolbar);
}

void MainWindow::CreateMenus()
{
    using namespace Cmd;
    const auto addMenu = [this](const QString& title, std::initializer_list<int> ids) {
        QMenu* menu = menuBar()->addMenu(title);
        for (const int id : ids) {
            if (id == ToolbarLayout::kSeparator)
                menu->addSeparator();
            else
                menu->addAction(m_actions->Action(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateActions);
        return menu;
    };
    constexpr int S = ToolbarLayout::kSeparator;
    addMenu(QStringLiteral("&File"), {FileNew, FileOpen, FileSave, FileSaveAs, S, FilePrint,
                                      FilePrintPreview, FilePageSetup, S, FileExportPdf, S,
                                      AppExit});
    addMenu(QStringLiteral("&View"), {ViewStartPage, S, ViewEditCenter, ViewPhotoCenter,
                                      ViewChildCenter, ViewFamilyCenter, ViewStaffCenter,
                                      ViewTakePhoto, ViewReports});
    addMenu(QStringLiteral("&Settings"), {OpenFolder, S, CenterInformation, DailyTuition,
                                          EmailServer, Database, S, BackgroundColor});
    addMenu(QStringLiteral("&Help"), {HelpTopics, S, About});
    m_actions->Action(ViewStartPage)->setCheckable(true);
}

void MainWindow::CreateLeftBar()
{
    m_leftBar = new LibraryDock(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_leftBar);
    resizeDocks({m_leftBar}, {230}, Qt::Horizontal);
    m_leftBar->hide();
}

void MainWindow::ConnectLibrary()
{
    LibraryTree* tree = Tree();
    tree->SetDocument(&m_document);
    connect(tree, &LibraryTree::FolderSelected, this, &MainWindow::ShowLibraryFolder);
    connect(tree, &LibraryTree::DocumentOpenRequested, this, &MainWindow::OpenLibraryDocument);
    connect(&m_document, &PageDocument::Saved, tree, &LibraryTree::AddDocument);
    m_parentMailing = new ParentMailing(*tree, *statusBar(), this);
}

void MainWindow::WireView(CenterView* view)
{
    view->Attach(m_document, *m_actions);
    connect(view, &CenterView::TextFontShown, m_container, &CenterStack::ShowFont);
    connect(view, &CenterView::ZoomChanged, this, [this](double factor) {
        // Actual size always puts the slider in the middle; the zoom buttons move it
        // by their own rule afterwards.
        if (m_zoomControls && factor == 1.0)
            m_zoomControls->SetSliderPosition(ZoomSlider::kActualSize);
    });
    connect(view, &CenterView::CommandStateChanged, this, &MainWindow::ScheduleActionUpdate);
    connect(view, &CenterView::PhotoEditRequested, this, &MainWindow::PlacePhotoOnPage);
    connect(view, &CenterView::InfoTextChanged, this, [this, view](const QString& text) {
        if (m_zoomControls && view == m_container->CurrentView())
            m_zoomControls->SetInfoText(text);
    });
    LibraryTree* tree = Tree();
    connect(view, &CenterView::LibraryFolderAdded, tree, &LibraryTree::AddRootFolder);
    // After the tree's own selection change has run its course.
    connect(view, &CenterView::FolderSelectionRequested, tree, &LibraryTree::SelectFolder,
            Qt::QueuedConnection);
}

void MainWindow::ShowLibraryFolder(const QString& folder)
{
    // The page keeps the folder for pasted pictures and its save dialog, and the camera
    // for its photos, whichever center is shown; the shown center lists it.
    for (const Center::Index center : {Center::EditCenter, Center::TakePhoto})
        m_container->View(center)->ShowFolder(folder);
    const Center::Index shown = m_container->CurrentCenter();
    if (shown != Center::EditCenter && shown != Center::TakePhoto && !m_container->ShowsNotice(shown))
        m_container->CurrentView()->ShowFolder(folder);
}

EditCenterView* MainWindow::ShowEditCenter()
{
    if (m_container->CurrentCenter() != Center::EditCenter
        && !m_container->SwitchCenter(Center::EditCenter))
        return nullptr;
    return qobject_cast<EditCenterView*>(EditView());
}

void MainWindow::OpenLibraryDocument(const QString& path)
{
    if (EditCenterView* edit = ShowEditCenter())
        edit->Canvas()->OpenDocumentFile(path);
    UpdateActions();
}

void MainWindow::OpenPage(const QString& path)
{
    Tree()->SelectFolder(QFileInfo(path).absolutePath());
    OpenLibraryDocument(path);
}

void MainWindow::PlacePhotoOnPage(const QString& path)
{
    if (EditCenterView* edit = ShowEditCenter())
        edit->EditPhoto(path);
    UpdateActions();
}

void MainWindow::BindKeys()
{
    // The keys of the accelerator table that have a handler. The label of Open Folder
    // has always promised Ctrl+O, so the key opens it.
    const std::pair<int, QKeySequence> keys[] = {
        {Cmd::FileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Cmd::FileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Cmd::FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {Cmd::OpenFolder, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Cmd::Help, QKeySequence(Qt::Key_F1)},
        {Cmd::HelpContext, QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {Cmd::NextPane, QKeySequence(Qt::Key_F6)},
        {Cmd::PreviousPane, QKeySequence(Qt::SHIFT | Qt::Key_F6)},
    };
    for (const auto& [id, key] : keys) {
        QAction* action = m_actions->Action(id);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        // The shortcut column shows the key; the text keeps only the words.
        action->setText(action->text().section(QLatin1Char('\t'), 0, 0));
        addAction(action);
    }
}

void MainWindow::UpdateTitle()
{
    // "[*]" shows as "*" while the page has unsaved changes.
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(m_document.Title(), QLatin1String(kTitle)));
    setWindowModified(m_document.IsModified());
}

void MainWindow::Dispatch(int id)
{
    OnCommand(id);
    UpdateActions();
}

void MainWindow::ScheduleActionUpdate()
{
    if (m_actionUpdatePending)
        return;
    m_actionUpdatePending = true;
    QTimer::singleShot(0, this, [this] {
        m_actionUpdatePending = false;
        UpdateActions();
    });
}

void MainWindow::UpdateActions()
{
    for (const int id : m_actions->Ids()) {
        QAction* action = m_actions->Find(id);
        const CommandState state = UpdateCommand(id);
        action->setEnabled(state.handled && state.enabled);
        if (state.checked)
            action->setCheckable(true);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
    m_container->UpdateFontBoxes();
    if (m_zoomControls)
        m_zoomControls->Slider()->setEnabled(UpdateCommand(Cmd::StatusZoomSlider).enabled);
}

CenterView* MainWindow::EditView() const
{
    return m_container->View(Center::EditCenter);
}

std::optional<Center::Index> MainWindow::SaveTarget() const
{
    // Save writes the page in the Edit Center, the child shown in the Child Center and the
    // staff member in the Staff Center.
    const Center::Index center = m_container->CurrentCenter();
    if (m_container->ShowsNotice(center))
        return std::nullopt;
    if (center == Center::EditCenter || center == Center::ChildCenter
        || center == Center::StaffCenter)
        return center;
    return std::nullopt;
}

CommandState MainWindow::EditCenterFileCommand(int id) const
{
    CommandState state = EditView()->UpdateCommand(id);
    state.enabled = state.enabled && m_container->CurrentCenter() == Center::EditCenter;
    return state;
}

CommandState MainWindow::UpdateCommand(int id) const
{
    using namespace Cmd;
    if (const auto center = CenterOfViewCommand(id))
        return CommandState::Checked(true, m_container->CurrentCenter() == *center);

    switch (id) {
    case OpenFolder:
    case CenterInformation:
    case DailyTuition:
    case EmailServer:
    case Database:
    case BackgroundColor:
    case HelpTopics:
    case Help:
    case HelpContext:
    case About:
    case AppExit:
    case NextPane:
    case PreviousPane:
        return CommandState::Enabled();
    case FileNew:
    case FileOpen:
        return EditView()->UpdateCommand(id);
    case FileSave:
        if (const auto center = SaveTarget())
            return m_container->View(*center)->UpdateCommand(id);
        return EditCenterFileCommand(id);
    case FilePrint:
    case FilePrintPreview:
    case FileExportPdf:
        // The Reports center prints, previews and exports its report.
        if (m_container->CurrentCenter() == Center::Reports)
            return m_container->ShowsNotice(Center::Reports)
                       ? CommandState::Enabled(false)
                       : m_container->View(Center::Reports)->UpdateCommand(id);
        return EditCenterFileCommand(id);
    case FilePageSetup:
    case FilePrintDirect:
        return EditCenterFileCommand(id);
    case FileSaveAs: {
        CommandState state = EditCenterFileCommand(id);
        state.enabled = state.enabled && !m_document.IsUntitled();
        return state;
    }
    case StatusZoomIn:
    case StatusZoomOut:
    case StatusActualSize:
    case StatusZoomSlider:
        return CommandState::Enabled(m_zoomControls && m_zoomControls->IsVisible()
                                      && ZoomTarget() && ZoomTarget()->ZoomFactor().has_value());
    default:
        return m_container->UpdateCommand(id);
    }
}

bool MainWindow::OnCommand(int id)
{
    using namespace Cmd;
    if (const auto center = CenterOfViewCommand(id)) {
        SwitchToCenter(*center, id);
        return true;
    }

    switch (id) {
    case FileNew:
    case FileOpen:
        if (m_container->CurrentCenter() != Center::EditCenter
            && !m_container->SwitchCenter(Center::EditCenter))
            return true;
        EditView()->OnCommand(id);
        return true;
    case FileSave:
        if (const auto center = SaveTarget())
            m_container->View(*center)->OnCommand(id);
        return true;
    case FilePageSetup:
    case FileExportPdf:
    case FilePrint:
    case FilePrintDirect:
    case FilePrintPreview:
        if (m_container->CurrentCenter() == Center::EditCenter)
            EditView()->OnCommand(id);
        else if (m_container->CurrentCenter() == Center::Reports
                 && UpdateCommand(id).enabled)
            m_container->View(Center::Reports)->OnCommand(id);
        return true;
    case FileSaveAs:
        EditView()->OnCommand(id);
        return true;
    case CenterInformation: EditCenterInformation(); return true;
    case DailyTuition: EditTuitionRates(); return true;
    case EmailServer: EditEmailSettings(); return true;
    case Database: EditDatabaseSettings(); return true;
    case BackgroundColor: ChooseBackgroundColor(); return true;
    case OpenFolder: ChoosePicturesFolder(); return true;
    case HelpTopics:
    case Help: {
        HelpDialog help(this);
        RunModal(help);
        return true;
    }
    case HelpContext: QWhatsThis::enterWhatsThisMode(); return true;
    case About: {
        AboutDialog about(this);
        RunModal(about);
        return true;
    }
    case AppExit: close(); return true;
    case NextPane: FocusNextPane(true); return true;
    case PreviousPane: FocusNextPane(false); return true;
    case StatusZoomIn:
        Zoom(CanvasZoomIn, ListZoomIn, ZoomSlider::AfterZoomIn);
        return true;
    case StatusZoomOut:
        Zoom(CanvasZoomOut, ListZoomOut, ZoomSlider::AfterZoomOut);
        return true;
    case StatusActualSize:
        Zoom(CanvasZoom100, ListActualSize,
             [](int, std::optional<double>) { return ZoomSlider::kActualSize; });
        return true;
    case StatusZoomSlider:
        if (m_zoomControls)
            OnSliderMoved(m_zoomControls->SliderPosition());
        return true;
    default:
        return m_container->OnCommand(id);
    }
}

void MainWindow::SwitchToCenter(Center::Index center, int viewCommand)
{
    // Choosing the center already shown does nothing, except for the Edit Center and the
    // Photo Center, which are shown again (and the photo list refreshed).
    const bool again = viewCommand == Cmd::ViewEditCenter || viewCommand == Cmd::ViewPhotoCenter;
    if ((m_container->CurrentCenter() == center && !again) || !m_container->SwitchCenter(center))
        return;
    if (m_container->ShowsNotice(center))
        return;
    if (center == Center::PhotoCenter)
        Tree()->OnCommand(Cmd::TreeRefreshSelection);
    else if (!Tree()->CurrentFolder().isEmpty())
        m_container->CurrentView()->ShowFolderOnArrival(Tree()->CurrentFolder());
}

void MainWindow::OnCenterSwitched(Center::Index center)
{
    // Coming to a records center that cannot reach them tries once more at once.
    if (m_container->ShowsNotice(center))
        m_records->Retry();
    m_leftBar->setVisible(ShowsLeftBar(center));
    m_centerToolbar->show();
    if (ShowsZoomControls(center)) {
        if (!m_zoomControls) {
            m_zoomControls = new StatusZoomControls(*statusBar(), *m_actions, this);
            connect(m_zoomControls, &StatusZoomControls::SliderMoved, this,
                    [this] { Dispatch(Cmd::StatusZoomSlider); });
        }
        m_zoomControls->SetVisible(true);
        m_zoomControls->SetInfoText(m_container->ShowsNotice(center) ? QString()
                                                                    : m_container->View(center)->InfoText());
    } else if (m_zoomControls) {
        m_zoomControls->SetVisible(false);
    }
}

CenterView* MainWindow::ZoomTarget() const
{
    const Center::Index center = m_container->CurrentCenter();
    if (m_container->ShowsNotice(center))
        return nullptr;
    if (center == Center::EditCenter || center == Center::PhotoCenter
        || center == Center::Reports)
        return m_container->View(center);
    return nullptr;
}

void MainWindow::Zoom(int canvasCommand, int listCommand, SliderRule nextSliderPosition)
{
    if (!m_zoomControls)
        return;
    CenterView* target = ZoomTarget();
    if (target)
        target->OnCommand(m_container->CurrentCenter() == Center::EditCenter ? canvasCommand
                                                                             : listCommand);
    m_zoomControls->SetSliderPosition(nextSliderPosition(
        m_zoomControls->SliderPosition(), target ? target->ZoomFactor() : std::nullopt));
}

void MainWindow::OnSliderMoved(int position)
{
    if (CenterView* target = ZoomTarget())
        target->ZoomFromSlider(position);
}

void MainWindow::EditCenterInformation()
{
    ProgramState& program = Program();
    program.centerInfo = CenterInfo::Load(Settings());
    CenterInfoDialog dialog(program.centerInfo, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    program.centerInfo = dialog.Info();
    program.centerInfo.Save(Settings());
}

void MainWindow::EditTuitionRates()
{
    TuitionRatesDialog dialog(TuitionRateTexts::Load(Settings()), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const TuitionRateTexts texts = dialog.Rates();
    texts.Save(Settings());
    Program().tuitionRates = TuitionRates::FromTexts(texts);
}

void MainWindow::EditEmailSettings()
{
    EmailSettingsDialog dialog(Program().email, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    Program().email = dialog.Settings();
    Program().email.Save(Settings());
    KeptSecret::MailPassword().Save(Settings(), Program().email.password);
    m_parentMailing->SettingsChanged();
}

void MainWindow::EditDatabaseSettings()
{
    DatabaseSettingsDialog dialog(RecordsDatabase::Shared().Location(), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const DatabaseLocation chosen = dialog.Location();
    const bool moves = chosen != RecordsDatabase::Shared().Location()
                    || m_records->GetState() == RecordsAvailability::State::Unavailable;
    // Typing not yet saved belongs to the records it was read from.
    for (int i = 0; i < Center::Count && moves; ++i) {
        const auto center = static_cast<Center::Index>(i);
        if (Center::ShowsRecords(center) && !m_container->View(center)->QueryLeave())
            return;
    }
    if (!ReportDatabaseErrors([&] { RecordsDatabase::Shared().UseLocation(chosen); }))
        return;
    DatabaseSettings{chosen.Url(), chosen.Password()}.Save(Settings());
    if (!moves)
        return;
    m_container->RenewRecordsViews();
    m_records->Watch(chosen);
}

void MainWindow::ShowRecordsState(RecordsAvailability::State before)
{
    using State = RecordsAvailability::State;
    const State now = m_records->GetState();
    if (m_container->ShowRecordsNotice(m_records->Notice(), m_records->CanRetry()))
        RereadShownRecords();
    const QString reason = m_records->Reason();
    m_recordsState->setVisible(now == State::Unavailable);
    // The first line names the server and the reason; the tip holds the rest.
    const QString line = QStringLiteral("Records unavailable: %1").arg(reason.section(QLatin1Char('\n'), 0, 0));
    m_recordsState->setText(m_recordsState->fontMetrics().elidedText(line, Qt::ElideRight, 640));
    m_recordsState->setToolTip(reason);
    if (now == State::Available && before == State::Unavailable)
        statusBar()->showMessage(QStringLiteral("The records server %1 answers again.")
                                     .arg(m_records->Location().ShownText()),
                                 10000);
    UpdateActions();
}

void MainWindow::RereadShownRecords()
{
    CenterView* view = m_container->CurrentView();
    view->OnCenterShown();
    if (!Tree()->CurrentFolder().isEmpty())
        view->ShowFolderOnArrival(Tree()->CurrentFolder());
}

void MainWindow::ChooseBackgroundColor()
{
    BackgroundColorDialog dialog(this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    Program().canvasBackground = dialog.SelectedColor();
    SaveCanvasBackground(Settings(), Program().canvasBackground);
    if (EditCenterView* edit = qobject_cast<EditCenterView*>(EditView()))
        edit->Canvas()->viewport()->update();
}

void MainWindow::ChoosePicturesFolder()
{
    const QString folder = Prompt().ChooseFolder(QStringLiteral("Select a folder"),
                                                 Program().picturesRoot);
    if (!folder.isEmpty())
        SetPicturesRoot(QDir::cleanPath(folder), RecentFolderList::Source::OpenFolderCommand);
}

void MainWindow::SetPicturesRoot(const QString& path, RecentFolderList::Source source)
{
    if (path.isEmpty() && source == RecentFolderList::Source::OpenRequest)
        return;
    if (!m_container->CurrentView()->QueryLeave())
        return;
    ProgramState& program = Program();
    program.picturesRoot = path;
    Tree()->LoadRoot(path);
    m_container->SwitchCenter(Center::EditCenter);
    program.recentFolders.Add(path);
    program.recentFolders.Write(Settings(), source);
    UpdateActions();
}

void MainWindow::FocusNextPane(bool forward)
{
    QList<QWidget*> panes;
    if (m_leftBar->isVisible())
        panes.append(Tree());
    panes.append(m_container->CurrentView());
    if (panes.size() < 2) {
        panes.first()->setFocus();
        return;
    }
    const bool treeHasFocus = Tree()->hasFocus();
    QWidget* next = (treeHasFocus == forward) ? panes.last() : panes.first();
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool MainWindow::QueryClose()
{
    for (int i = 0; i < Center::Count; ++i)
        if (!m_container->View(static_cast<Center::Index>(i))->QueryLeave())
            return false;
    if (!m_document.IsModified() || EditView()->DocumentObjectCount() <= 0)
        return true;
    const auto answer = Prompt().AskYesNoCancel(
        QStringLiteral("Save changes to %1 ?").arg(m_document.Title()));
    switch (answer) {
    case UserPrompt::Answer::Yes:
        EditView()->OnCommand(Cmd::FileSave);
        // A save that was cancelled or failed leaves the changes unsaved: stay open.
        return !m_document.IsModified();
    case UserPrompt::Answer::No:
        m_document.SetModified(false);
        return true;
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (QueryClose())
        event->accept();
    else
        event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFolders(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList folders = DroppedFolders(event->mimeData());
    if (folders.isEmpty())
        return;
    event->acceptProposedAction();
    SetPicturesRoot(folders.first(), RecentFolderList::Source::OpenRequest);
}
