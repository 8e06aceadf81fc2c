// Pictures of every center and settings dialog for a person to look at. Runs only
// when TENDREL_SCREENSHOT_DIR names a folder:
//   TENDREL_SCREENSHOT_DIR=/tmp/shots build/bin/test_frame --gtest_filter='Screenshots*'
#include "app/CommandRouting.h"
#include "app/ProgramState.h"
#include "app/SnapfoldDoc.h"
#include "frame/AboutDlg.h"
#include "frame/ChildCareCenterDlg.h"
#include "frame/HelpDlg.h"
#include "frame/MainFrame.h"
#include "frame/TuitionRateDlg.h"
#include "frame/VCSAMPLE1Dlg.h"
#include "frame/WallPaperDialog.h"
#include "support/TempHome.h"

#include <QDir>

namespace {

class ScreenshotsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = qEnvironmentVariable("TENDREL_SCREENSHOT_DIR");
        if (m_folder.isEmpty())
            GTEST_SKIP() << "set TENDREL_SCREENSHOT_DIR to take pictures";
        QDir().mkpath(m_folder);
    }

    void Save(QWidget& widget, const QString& name)
    {
        widget.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(widget.grab().save(QDir(m_folder).filePath(name + QStringLiteral(".png"))));
    }

    QString m_folder;
    CTempHome m_home;
};

TEST_F(ScreenshotsTest, EveryCenter)
{
    CSnapfoldDoc document;
    CMainFrame frame(document);
    frame.resize(1400, 900);
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        frame.Dispatch(ViewCommandOfCenter(center));
        Save(frame, QStringLiteral("center-%1").arg(i));
    }
}

TEST_F(ScreenshotsTest, EverySettingsDialog)
{
    CChildCareCenterDlg center(Program().centerInfo);
    Save(center, QStringLiteral("dialog-center"));
    CTuitionRateDlg tuition{CTuitionRateTexts()};
    Save(tuition, QStringLiteral("dialog-tuition"));
    CVCSAMPLE1Dlg email(Program().email);
    Save(email, QStringLiteral("dialog-email"));
    CWallPaperDialog wallpaper;
    Save(wallpaper, QStringLiteral("dialog-wallpaper"));
    CAboutDlg about;
    Save(about, QStringLiteral("dialog-about"));
    CHelpDlg help;
    Save(help, QStringLiteral("dialog-help"));
}

} // namespace
