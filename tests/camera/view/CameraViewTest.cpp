#include "../MadeUpFrames.h"

#include "app/TakePhotoCenterView.h"
#include "camera/CameraCapture.h"
#include "camera/view/CameraView.h"
#include "commands/CommandIds.h"
#include "photos/view/PhotoStrip.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>

namespace {

TEST(NoCameraTest, StartSaysSoAndTheCenterStaysUsable)
{
    // None installed, or the one there in use elsewhere.
    for (const bool installed : {false, true}) {
        SCOPED_TRACE(installed);
        TempHome home;
        auto source = std::make_unique<MadeUpFrames>(
            installed ? QStringList{QStringLiteral("Webcam C270")} : QStringList{});
        source->opens = !installed;
        CameraView view(std::move(source), home.FilePath(QStringLiteral("Pictures/AAA")));
        ASSERT_TRUE(view.OnCommand(Cmd::CameraStart));
        EXPECT_EQ(home.Prompt().Texts(), QStringList{QStringLiteral("Can't open this driver")});
        EXPECT_EQ(view.DriverLabel()->text(), QStringLiteral("No driver selected"));
        EXPECT_TRUE(view.UpdateCommand(Cmd::CameraStart).enabled);
        EXPECT_FALSE(view.UpdateCommand(Cmd::CameraTakeNow).enabled);
        EXPECT_FALSE(view.UpdateCommand(Cmd::CameraDriverFirst).checked);
        EXPECT_TRUE(view.OnCommand(Cmd::CameraTakeNow));
        EXPECT_TRUE(QDir(home.FilePath(QStringLiteral("Pictures/AAA"))).isEmpty());
    }
}

class TakePhotoCenterTest : public ::testing::Test
{
protected:
    TakePhotoCenterTest()
    {
        auto source = std::make_unique<MadeUpFrames>(
            QStringList{QStringLiteral("Webcam C270"), QStringLiteral("Desk camera")});
        m_source = source.get();
        m_center = std::make_unique<TakePhotoCenterView>(std::move(source));
        m_center->resize(900, 600);
        m_center->show();
        m_center->OnCenterShown();
    }

    TempHome m_home;
    MadeUpFrames* m_source = nullptr;
    std::unique_ptr<TakePhotoCenterView> m_center;
};

TEST_F(TakePhotoCenterTest, TheStripTakesAThirdOfTheHeightAndShowsEachPhotoOnceItIsStored)
{
    EXPECT_NEAR(m_center->Splitter()->sizes().at(1), m_center->Splitter()->height() / 3, 1);
    const QString child = m_home.FilePath(QStringLiteral("Pictures/Mia"));
    QDir().mkpath(child);
    m_center->ShowFolder(child);
    m_center->OnCommand(Cmd::CameraDriverFirst + 1);
    CameraView& camera = *m_center->Camera();
    EXPECT_EQ(camera.DriverLabel()->text(), QStringLiteral("Desk camera"));
    EXPECT_TRUE(camera.UpdateCommand(Cmd::CameraDriverFirst + 1).checked);

    m_center->OnCommand(Cmd::CameraTakeNow);
    camera.Capture().WaitForSaves();
    QApplication::processEvents();
    m_center->Strip()->WaitForThumbnails();
    ASSERT_EQ(m_center->Strip()->count(), 1);
    EXPECT_EQ(PhotoStrip::PathOf(m_center->Strip()->item(0)),
              QDir(child).filePath(QDir(child).entryList(QDir::Files).value(0)));
    EXPECT_EQ(camera.FolderField()->text(), QStringLiteral("Mia"));
    EXPECT_EQ(camera.CounterField()->text(), QStringLiteral("1"));

    m_center->resize(900, 40);
    EXPECT_GE(m_center->Splitter()->sizes().at(1), TakePhotoCenterView::kMinimumStripHeight);
}

} // namespace
