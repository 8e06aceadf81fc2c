#include "FakeCenterView.h"
#include "FrameFixture.h"
#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "widgets/ActionRegistry.h"
#include "app/MainWindow.h"
#include "app/LibraryDock.h"
#include "app/CenterStack.h"
#include "app/StatusZoomControls.h"
#include "app/StartPageView.h"
#include "app/ToolbarLayout.h"
#include "support/ScriptedPrompt.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QMenu>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

namespace {

struct Expected
{
    Center::Index center;
    std::vector<int> toolbars;
    bool leftBar;
    bool zoomControls;
};

const Expected kCenters[] = {
    {Center::StartPage, {}, false, false},
    {Center::EditCenter, {135, 243}, true, true},
    {Center::PhotoCenter, {163}, true, true},
    {Center::StaffCenter, {253}, false, false},
    {Center::ChildCenter, {533}, true, false},
    {Center::FamilyCenter, {582}, true, false},
    {Center::TakePhoto, {288}, true, false},
    {Center::Reports, {164}, true, true},
};

using SwitchCenterTest = FrameTest;

TEST_F(SwitchCenterTest, TheEditCenterToolbarsFitAWideWindowWithEveryCommandAtHand)
{
    Frame().resize(1600, 1000);
    Frame().Dispatch(Cmd::ViewEditCenter);
    QApplication::processEvents();
    CenterStack& container = *Frame().Container();
    for (const ToolbarLayout& layout : ContainerToolbarLayouts()) {
        if (layout.resourceId != 135 && layout.resourceId != 243)
            continue;
        SCOPED_TRACE(layout.resourceId);
        QToolBar* toolbar = container.Toolbar(layout.resourceId);
        const auto* overflow = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        ASSERT_NE(overflow, nullptr);
        EXPECT_FALSE(overflow->isVisible());
        // A command is a button of its own or an entry of a drop-down button's menu.
        QList<QAction*> reachable = toolbar->actions();
        for (const QToolButton* button : toolbar->findChildren<QToolButton*>())
            if (button->menu())
                reachable += button->menu()->actions();
        for (const int id : layout.commands) {
            if (id == ToolbarLayout::kSeparator || id == Cmd::FontName || id == Cmd::FontSize)
                continue;
            EXPECT_TRUE(reachable.contains(Frame().Actions().Action(id))) << id;
        }
    }
}

TEST_F(SwitchCenterTest, EachCenterShowsItsViewToolbarsBarZoomControlsAndCheckedAction)
{
    for (const Expected& expected : kCenters) {
        SCOPED_TRACE(expected.center);
        Frame().Dispatch(ViewCommandOfCenter(expected.center));
        // Shown again, only the Edit and Photo Centers are told so.
        if (expected.center != Center::StartPage) {
            const int before = Fake(expected.center).shownCount;
            Frame().Dispatch(ViewCommandOfCenter(expected.center));
            const bool again = expected.center == Center::EditCenter
                            || expected.center == Center::PhotoCenter;
            EXPECT_EQ(Fake(expected.center).shownCount, before + (again ? 1 : 0));
        }
        CenterStack& container = *Frame().Container();
        EXPECT_EQ(container.CurrentCenter(), expected.center);

        for (int i = 0; i < Center::Count; ++i)
            EXPECT_EQ(container.View(static_cast<Center::Index>(i))->isVisible(),
                      i == expected.center);
        for (const int id : container.ToolbarIds()) {
            const bool wanted = std::find(expected.toolbars.begin(), expected.toolbars.end(), id)
                             != expected.toolbars.end();
            EXPECT_EQ(container.Toolbar(id)->isVisible(), wanted) << "toolbar " << id;
        }
        EXPECT_EQ(Frame().LeftBar()->isVisible(), expected.leftBar);
        for (const Expected& other : kCenters) {
            const CommandState view = Frame().UpdateCommand(ViewCommandOfCenter(other.center));
            EXPECT_TRUE(view.enabled && view.checked == (other.center == expected.center));
        }
        if (expected.zoomControls) {
            ASSERT_NE(Frame().ZoomControls(), nullptr);
            EXPECT_TRUE(Frame().ZoomControls()->Slider()->isVisible());
        } else if (Frame().ZoomControls()) {
            EXPECT_FALSE(Frame().ZoomControls()->Slider()->isVisible());
        }
    }
}

TEST_F(SwitchCenterTest, IndexOutsideTheCentersShowsTheStartPageWhoseStepsChangeNothing)
{
    Frame().Dispatch(Cmd::ViewChildCenter);
    Frame().Container()->SwitchCenter(12);
    EXPECT_EQ(Current(), Center::StartPage);
    EXPECT_FALSE(Frame().LeftBar()->isVisible());

    auto& page = *static_cast<StartPageView*>(Frame().Container()->View(Center::StartPage));
    for (const int id : page.GuideButtonIds())
        page.GuideButton(id)->click();
    EXPECT_EQ(Current(), Center::StartPage);
    EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
}

// Where the slider lands is ZoomSlider's; here, that the buttons reach the view and move it.
TEST_F(SwitchCenterTest, ZoomButtonsZoomTheShownViewAndMoveTheSlider)
{
    FakeCenterView& canvas = Fake(Center::EditCenter);
    canvas.handled = {Cmd::CanvasZoomIn, Cmd::CanvasZoomOut, Cmd::CanvasZoom100};
    canvas.zoom = 1.5;
    Frame().Dispatch(Cmd::ViewEditCenter);
    StatusZoomControls& controls = *Frame().ZoomControls();

    Frame().Dispatch(Cmd::StatusZoomIn);
    EXPECT_EQ(controls.SliderPosition(), 130);
    Frame().Dispatch(Cmd::StatusZoomOut);
    Frame().Dispatch(Cmd::StatusActualSize);
    EXPECT_EQ(canvas.received,
              (QList<int>{Cmd::CanvasZoomIn, Cmd::CanvasZoomOut, Cmd::CanvasZoom100}));
    EXPECT_EQ(controls.SliderPosition(), 100);
    // Moving the slider by program hands nothing to the view.
    EXPECT_TRUE(canvas.sliderPositions.isEmpty());
}

TEST_F(SwitchCenterTest, PhotoCenterListGetsItsOwnZoomCommandsAndTheSlider)
{
    FakeCenterView& list = Fake(Center::PhotoCenter);
    list.handled = {Cmd::ListZoomIn, Cmd::ListZoomOut, Cmd::ListActualSize};
    list.zoom = 1.0;
    Frame().Dispatch(Cmd::ViewPhotoCenter);
    Frame().Dispatch(Cmd::StatusZoomIn);
    Frame().Dispatch(Cmd::StatusZoomOut);
    Frame().Dispatch(Cmd::StatusActualSize);
    EXPECT_EQ(list.received, (QList<int>{Cmd::ListZoomIn, Cmd::ListZoomOut, Cmd::ListActualSize}));

    Frame().ZoomControls()->Slider()->setValue(42);   // as the user drags it
    EXPECT_EQ(list.sliderPositions, QList<int>{42});
    EXPECT_TRUE(Fake(Center::EditCenter).sliderPositions.isEmpty());
}

TEST_F(SwitchCenterTest, ZoomControlsAreMadeOnceAndDisabledWhereNothingZooms)
{
    Frame().Dispatch(Cmd::ViewReports);
    StatusZoomControls* controls = Frame().ZoomControls();
    Frame().Dispatch(Cmd::ViewStaffCenter);
    EXPECT_FALSE(Frame().UpdateCommand(Cmd::StatusZoomIn).enabled);
    Fake(Center::PhotoCenter).zoom = 1.0;
    Frame().Dispatch(Cmd::ViewPhotoCenter);
    EXPECT_TRUE(Frame().UpdateCommand(Cmd::StatusZoomIn).enabled);
    EXPECT_TRUE(Frame().ZoomControls()->Slider()->isEnabled());
    EXPECT_EQ(Frame().ZoomControls(), controls);
}

} // namespace
