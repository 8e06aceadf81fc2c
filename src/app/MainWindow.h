#pragma once

#include "commands/CenterIndex.h"
#include "commands/CommandTarget.h"
#include "settings/RecentFolderList.h"
#include "app/CenterViewFactory.h"
#include "app/RecordsAvailability.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class ActionRegistry;
class CenterView;
class EditCenterView;
class LibraryDock;
class CenterStack;
class LibraryTree;
class PageDocument;
class ParentMailing;
class StatusZoomControls;
class QLabel;
class QToolBar;

// The program's one top-level window: menus, the toolbar of the centers, the folder
// bar on the left, the center container and the status bar with its zoom controls.
// Every command id enters here, is carried out by the frame or passed on to the
// center container, and the enabled state of every action is refreshed after it.
class MainWindow : public QMainWindow, public CommandTarget
{
    Q_OBJECT

public:
    static constexpr const char* kTitle = "Tendrel V1.0";

    explicit MainWindow(PageDocument& document,
                        const CenterViewFactory& factory = CreateDefaultCenterView);
    ~MainWindow() override;

    // The program's main frame while one exists.
    static MainWindow* Instance();

    // Runs a command as a click on its menu entry or button would.
    void Dispatch(int id);
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    // Enables, disables and checks every action as its owner says.
    void UpdateActions();

    // Makes a folder the pictures root: the tree shows it, the Edit Center comes up,
    // and the folder joins the recent folders. An empty path from a drop is ignored.
    void SetPicturesRoot(const QString& path, RecentFolderList::Source source);

    // Opens a page named from outside the tree: the Edit Center comes up, and the
    // page's folder is selected when the library shows it.
    void OpenPage(const QString& path);

    CenterStack* Container() const { return m_container; }
    LibraryDock* LeftBar() const { return m_leftBar; }
    LibraryTree* Tree() const;
    ParentMailing* Mailing() const { return m_parentMailing; }
    // Whether the records can be reached; the records centers follow it.
    RecordsAvailability& Records() const { return *m_records; }
    // nullptr until a center with zoom controls has been shown.
    StatusZoomControls* ZoomControls() const { return m_zoomControls; }
    ActionRegistry& Actions() const { return *m_actions; }
    QToolBar* CenterToolbar() const { return m_centerToolbar; }
    PageDocument& Document() const { return m_document; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateCenterToolbar();
    void CreateLeftBar();
    // Connects a center's view to the frame, the tree and the actions.
    void WireView(CenterView* view);
    void BindKeys();
    // The folder tree drives the centers: its folder, its documents, photos to place.
    void ConnectLibrary();
    void ShowLibraryFolder(const QString& folder);
    void OpenLibraryDocument(const QString& path);
    void PlacePhotoOnPage(const QString& path);
    // Switches to the Edit Center; null when it is not the real one (tests).
    EditCenterView* ShowEditCenter();
    void UpdateTitle();
    void ScheduleActionUpdate();

    void OnCenterSwitched(Center::Index center);
    void SwitchToCenter(Center::Index center, int viewCommand);
    CenterView* EditView() const;
    // The center whose Save command Save (Ctrl+S) runs, if the shown one has one.
    std::optional<Center::Index> SaveTarget() const;
    CommandState EditCenterFileCommand(int id) const;

    CenterView* ZoomTarget() const;
    // Sends the zoom command to the canvas or the photo list and moves the slider.
    using SliderRule = int (*)(int previous, std::optional<double> factor);
    void Zoom(int canvasCommand, int listCommand, SliderRule nextSliderPosition);
    void OnSliderMoved(int position);

    void EditCenterInformation();
    void EditTuitionRates();
    void EditEmailSettings();
    void EditDatabaseSettings();
    // The records centers show the records or say why they cannot.
    void ShowRecordsState(RecordsAvailability::State before);
    // The records center shown reads its records again, for the tree's folder.
    void RereadShownRecords();
    void ChooseBackgroundColor();
    void ChoosePicturesFolder();
    void FocusNextPane(bool forward);
    // True when the window may close: the question about unsaved changes answered.
    bool QueryClose();

    PageDocument& m_document;
    ActionRegistry* m_actions = nullptr;
    CenterStack* m_container = nullptr;
    LibraryDock* m_leftBar = nullptr;
    QToolBar* m_centerToolbar = nullptr;
    StatusZoomControls* m_zoomControls = nullptr;
    ParentMailing* m_parentMailing = nullptr;
    RecordsAvailability* m_records = nullptr;
    QLabel* m_recordsState = nullptr;   // in the status bar while the records are unavailable
    bool m_actionUpdatePending = false;
};
