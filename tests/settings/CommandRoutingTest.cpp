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

TEST(CommandRoutingTest, EachGroupReachesItsCenter)
{
    for (const int id : {Cmd::Undo, Cmd::Blur, Cmd::ToolStars, Cmd::TextBold, Cmd::FontName,
                         Cmd::FontSize, Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::AlignLeft,
                         Cmd::GlowShadow, 944, 748})
        ExpectRoute(id, Center::EditCenter, EnableRule::EditCenterShown);
    for (const int id : {Cmd::MoveFile, Cmd::CopyFile, Cmd::PasteFile, Cmd::DeleteFile,
                         Cmd::RenameFile})
        ExpectRoute(id, Center::PhotoCenter, EnableRule::PhotoCenterShown);
    ExpectRoute(Cmd::CameraStart, Center::TakePhoto, EnableRule::Always);
    ExpectRoute(Cmd::CameraStop, Center::TakePhoto, EnableRule::Always);
    for (const int id : {972, 973, 974, 975, 33164, 812, 813, 814})
        ExpectRoute(id, Center::StaffCenter, EnableRule::Always);
    for (const int id : {33165, 33166, 33167, 109, 33181, 33183, 33184})
        ExpectRoute(id, Center::ChildCenter, EnableRule::Always);
    for (const int id : {115, 116, 117})
        ExpectRoute(id, Center::FamilyCenter, EnableRule::Always);
    for (const int id : {594, 595, 131, 33217, 122, 123})
        ExpectRoute(id, Center::Reports, EnableRule::Always);
}

TEST(CommandRoutingTest, FrameCommandsAreNotRouted)
{
    for (const int id : {Cmd::FileSave, Cmd::FileNew, Cmd::OpenFolder, Cmd::ViewEditCenter,
                         Cmd::StatusZoomIn, Cmd::About, 0, -1, 99999})
        EXPECT_FALSE(RouteOfCommand(id)) << id;
}

TEST(CommandRoutingTest, ViewCommandsMapToCentersBothWays)
{
    EXPECT_EQ(CenterOfViewCommand(919), Center::EditCenter);
    EXPECT_EQ(CenterOfViewCommand(785), Center::Reports);
    EXPECT_EQ(CenterOfViewCommand(529), Center::StartPage);
    EXPECT_FALSE(CenterOfViewCommand(Cmd::Undo));
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        EXPECT_EQ(CenterOfViewCommand(ViewCommandOfCenter(center)), center);
    }
    EXPECT_EQ(Center::Normalized(8), Center::StartPage);
    EXPECT_EQ(Center::Normalized(-3), Center::StartPage);
    EXPECT_EQ(Center::Normalized(7), Center::Reports);
}

TEST(CommandRoutingTest, MenuTextLosesAccessKeysAndShortcut)
{
    const CommandInfo* openFolder = FindCommandInfo(Cmd::OpenFolder);
    ASSERT_TRUE(openFolder);
    EXPECT_STREQ(openFolder->text, "&Open Folder...\tCtrl+O");
    EXPECT_EQ(PlainCommandText(*openFolder), QStringLiteral("Open Folder..."));
    EXPECT_EQ(PlainCommandText(CommandInfo{1, "Save && &Close", "", ""}),
              QStringLiteral("Save & Close"));
    EXPECT_EQ(FindCommandInfo(-5), nullptr);
}

TEST(ZoomSliderTest, SliderFollowsTheZoomOfTheView)
{
    using namespace ZoomSlider;
    EXPECT_EQ(AfterZoomIn(100, 1.5), 130);
    EXPECT_EQ(AfterZoomIn(100, 8.0), 200);
    EXPECT_EQ(AfterZoomIn(190, 4.0), 200);
    EXPECT_EQ(AfterZoomIn(100, std::nullopt), 130);
    EXPECT_EQ(AfterZoomOut(100, 0.75), 70);
    EXPECT_EQ(AfterZoomOut(100, 0.2), 0);
    EXPECT_EQ(AfterZoomOut(100, 0.125), 0);
    EXPECT_EQ(AfterZoomOut(10, 0.5), 0);
}

} // namespace
