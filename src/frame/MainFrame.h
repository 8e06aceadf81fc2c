#pragma once

#include "app/CenterIndex.h"
#include "app/CommandTarget.h"
#include "app/RecentFolders.h"
#include "frame/CenterViewFactory.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class CActionRegistry;
class CCenterView;
class CEditCenterView;
class CMyControlBar;
class CMyTabView;
class CMyTreeView;
class CSnapfoldDoc;
class CStatusZoomControls;
class QToolBar;

// The program's one top-level window: menus, the toolbar of the centers, the folder
// bar on the left, the center container and the status bar with its zoom controls.
// Every command id enters here, is carried out by the frame or passed on to the
// center container, and the enabled state of every action is refreshed after it.
class CMainFrame : public QMainWindow, public CCommandTarget
{
    Q_OBJECT

public:
    static constexpr const char* kTitle = "Tendrel V1.0";

    explicit CMainFrame(CSnapfoldDoc& document,
                        const CenterViewFactory& factory = CreateDefaultCenterView);
    ~CMainFrame() override;

    // The program's main frame while one exists.
    static CMainFrame* Instance();

    // Runs a command as a click on its menu entry or button would.
    void Dispatch(int id);
    bool OnCommand(int id) override;
    CCommandState UpdateCommand(int id) const override;
    // Enables, disables and checks every action as its owner says.
    void UpdateActions();

    // Makes a folder the pictures root: the tree shows it, the Edit Center comes up,
    // and the folder joins the recent folders. An empty path from a drop is ignored.
    void SetPicturesRoot(const QString& path, CRecentFolders::Source source);

    CMyTabView* Container() const { return m_container; }
    CMyControlBar* LeftBar() const { return m_leftBar; }
    CMyTreeView* Tree() const;
    // nullptr until a center with zoom controls has been shown.
    CStatusZoomControls* ZoomControls() const { return m_zoomControls; }
    CActionRegistry& Actions() const { return *m_actions; }
    QToolBar* CenterToolbar() const { return m_centerToolbar; }
    CSnapfoldDoc& Document() const { return m_document; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateCenterToolbar();
    void CreateLeftBar();
    void BindKeys();
    // The folder tree drives the centers: its folder, its documents, photos to place.
    void ConnectLibrary();
    void ShowLibraryFolder(const QString& folder);
    void OpenLibraryDocument(const QString& path);
    void PlacePhotoOnPage(const QString& path);
    // Switches to the Edit Center; null when it is not the real one (tests).
    CEditCenterView* ShowEditCenter();
    void UpdateTitle();
    void ScheduleActionUpdate();

    void OnCenterSwitched(Center::Index center);
    void SwitchToCenter(Center::Index center, int viewCommand);
    CCenterView* EditView() const;
    // The center whose Save command Save (Ctrl+S) runs, if the shown one has one.
    std::optional<Center::Index> SaveTarget() const;
    CCommandState EditCenterFileCommand(int id) const;

    CCenterView* ZoomTarget() const;
    // Sends the zoom command to the canvas or the photo list and moves the slider.
    using SliderRule = int (*)(int previous, std::optional<double> factor);
    void Zoom(int canvasCommand, int listCommand, SliderRule nextSliderPosition);
    void OnSliderMoved(int position);

    void EditCenterInformation();
    void EditTuitionRates();
    void EditEmailSettings();
    void ChooseBackgroundColor();
    void ChoosePicturesFolder();
    void FocusNextPane(bool forward);
    // True when the window may close: the question about unsaved changes answered.
    bool QueryClose();

    CSnapfoldDoc& m_document;
    CActionRegistry* m_actions = nullptr;
    CMyTabView* m_container = nullptr;
    CMyControlBar* m_leftBar = nullptr;
    QToolBar* m_centerToolbar = nullptr;
    CStatusZoomControls* m_zoomControls = nullptr;
    bool m_actionUpdatePending = false;
};
