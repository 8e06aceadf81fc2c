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
        EXPECT_EQ(page.GuideButton(id)->isVisible(), id != 1054) << id;
        withTips += page.GuideButton(id)->toolTip().isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(withTips, 15);
    EXPECT_TRUE(page.GuideButton(1061)->toolTip().isEmpty());
}

TEST_F(StartPageTest, ClickingAStepChangesNothing)
{
    StartPageView& page = StartPage(Frame());
    for (const int id : page.GuideButtonIds())
        page.GuideButton(id)->click();
    EXPECT_EQ(Current(), Center::StartPage);
    EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
}

} // namespace
