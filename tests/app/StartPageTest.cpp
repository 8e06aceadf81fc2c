#include "FrameFixture.h"
#include "commands/CommandIds.h"
#include "widgets/FlatButton.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "app/StartPageView.h"
#include "support/ScriptedPrompt.h"

namespace {

using StartPageTest = FrameTest;

StartPageView& StartPage(MainWindow& frame)
{
    return *static_cast<StartPageView*>(frame.Container()->View(Center::StartPage));
}

TEST_F(StartPageTest, FifteenStepsWithTipsAHeadingAndOneHiddenStep)
{
    StartPageView& page = StartPage(Frame());
    EXPECT_EQ(page.GuideButtonIds().size(), 17);
    int withTips = 0;
    for (const int id : page.GuideButtonIds()) {
        FlatButton* button = page.GuideButton(id);
        EXPECT_EQ(button->isVisible(), id != 1054) << id;
        EXPECT_EQ(button->NormalColor(), QColor(0, 0, 0));
        EXPECT_EQ(button->HotColor(), QColor(74, 74, 145));
        if (!button->toolTip().isEmpty())
            ++withTips;
    }
    EXPECT_EQ(withTips, 15);
    EXPECT_TRUE(page.GuideButton(1061)->toolTip().isEmpty());
    EXPECT_EQ(page.GuideButton(1061)->text(), QStringLiteral("Guidelines for first time users"));
    EXPECT_EQ(page.GuideButton(1044)->text(),
              QStringLiteral("A newsletter \"Untitled\" is created, so rename it. "));
    EXPECT_EQ(page.GuideButton(1051)->toolTip(),
              QStringLiteral("Select one photo and drag/drop to the child's folder."));
    EXPECT_EQ(page.GuideButton(1055)->toolTip(),
              QStringLiteral("WRN needs a gmail account for sending photos to children's parents"));
}

TEST_F(StartPageTest, ClickingAStepChangesNothing)
{
    StartPageView& page = StartPage(Frame());
    for (const int id : page.GuideButtonIds())
        page.GuideButton(id)->click();
    EXPECT_EQ(Current(), Center::StartPage);
    EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
}

TEST_F(StartPageTest, StartPageCommandDoesNothingWhenItIsShown)
{
    Frame().Dispatch(Cmd::ViewChildCenter);
    Frame().Dispatch(Cmd::ViewStartPage);
    EXPECT_EQ(Current(), Center::StartPage);
    EXPECT_TRUE(Frame().UpdateCommand(Cmd::ViewStartPage).checked);
}

} // namespace
