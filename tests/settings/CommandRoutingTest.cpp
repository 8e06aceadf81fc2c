#include "commands/CommandCatalog.h"
#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "commands/ZoomSlider.h"

#include <gtest/gtest.h>

namespace {

void ExpectRoute(int id, Center::Index center, EnableRule rule)
{
    const auto route = RouteOfCommand(id);
    ASSERT_TRUE(route) << id;
    EXPECT_EQ(route->center, center) << id;
    EXPECT_EQ(route->rule, rule) << id;
}

TEST(CommandRoutingTest, EachGroupReachesItsCenterAndFrameCommandsAreNotRouted)
{
    for (const int id : {Cmd::Undo, Cmd::FontSize, Cmd::FilePrint, Cmd::GlowShadow, 944, 748})
        ExpectRoute(id, Center::EditCenter, EnableRule::EditCenterShown);
    // Toolbar commands are checked against their toolbars; this one is on none.
    ExpectRoute(33184, Center::ChildCenter, EnableRule::Always);

    for (const int id : {Cmd::FileSave, Cmd::FileNew, Cmd::OpenFolder, Cmd::ViewEditCenter,
                         Cmd::StatusZoomIn, Cmd::About, 0, -1, 99999})
        EXPECT_FALSE(RouteOfCommand(id)) << id;
}

TEST(CommandRoutingTest, ViewCommandsMapToCentersBothWaysMenuTextLosesAccessKeysAndTheSliderFollowsTheZoom)
{
    EXPECT_FALSE(CenterOfViewCommand(Cmd::Undo));
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        EXPECT_EQ(CenterOfViewCommand(ViewCommandOfCenter(center)), center);
    }
    EXPECT_EQ(Center::Normalized(8), Center::StartPage);
    EXPECT_EQ(Center::Normalized(-3), Center::StartPage);
    EXPECT_EQ(Center::Normalized(7), Center::Reports);

    EXPECT_EQ(PlainCommandText(CommandInfo{1, "Save && &Close", "", ""}),
              QStringLiteral("Save & Close"));
    EXPECT_EQ(FindCommandInfo(-5), nullptr);

    // The status bar's slider follows the zoom of the view, within its ends.
    using namespace ZoomSlider;
    EXPECT_EQ(AfterZoomIn(190, 4.0), 200);
    EXPECT_EQ(AfterZoomIn(100, std::nullopt), 130);
    EXPECT_EQ(AfterZoomOut(100, 0.75), 70);
    EXPECT_EQ(AfterZoomOut(10, 0.5), 0);
}

} // namespace
