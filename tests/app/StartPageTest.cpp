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

TEST_F(StartPageTest, ClickingAStepChangesNothing)
{
    StartPageView& page = StartPage(Frame());
    for (const int id : page.GuideButtonIds())
        page.GuideButton(id)->click();
    EXPECT_EQ(Current(), Center::StartPage);
    EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
}

} // namespace
