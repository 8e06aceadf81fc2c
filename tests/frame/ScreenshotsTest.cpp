// Pictures of every center and settings dialog for a person to look at. Runs only
// when TENDREL_SCREENSHOT_DIR names a folder:
//   TENDREL_SCREENSHOT_DIR=/tmp/shots build/bin/test_frame --gtest_filter='Screenshots*'
#include "app/CommandRouting.h"
#include "app/ProgramState.h"
#include "app/SnapfoldDoc.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarSettings.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/CalendarDlg.h"
#include "canvas/view/CalendarFontDlg.h"
#include "canvas/view/CalendarLanguageDlg.h"
#include "canvas/view/CalendarOptionsDlg.h"
#include "canvas/view/PublicHolidaysDlg.h"
#include "canvas/view/SymbolPickerDlg.h"
#include "canvas/view/TextArtDlg.h"
#include "canvas/view/TextDlg.h"
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

TEST_F(ScreenshotsTest, EveryTextAndCalendarDialog)
{
    CTextDlg text(QStringLiteral("Spring Fair\nSaturday 10 am"));
    Save(text, QStringLiteral("dialog-text"));
    CSymbolPickerDlg symbols;
    Save(symbols, QStringLiteral("dialog-symbols"));
    CTextArtDlg art(CTextObject(CPageRect{0, 0, 300, 80}, QStringLiteral("Spring")));
    Save(art, QStringLiteral("dialog-text-art"));
    CCalendarDlg calendar(CCalendarOptions::StartingAt(QDate(2025, 5, 1)));
    Save(calendar, QStringLiteral("dialog-calendar"));
    const CCalendarObject existing;
    CCalendarFontDlg font(CCalendarFonts::Of(existing));
    Save(font, QStringLiteral("dialog-calendar-font"));
    CCalendarOptionsDlg options(CCalendarLook::Of(existing));
    Save(options, QStringLiteral("dialog-calendar-options"));
    CCalendarLanguageDlg language(false);
    Save(language, QStringLiteral("dialog-calendar-language"));
    CCalendarSettings stored;
    stored.publicHolidays = {QDate(2025, 1, 1), QDate(2025, 4, 18), QDate(2025, 12, 25)};
    stored.SaveHolidays(m_home.Settings());
    CPublicHolidaysDlg holidays;
    Save(holidays, QStringLiteral("dialog-public-holidays"));
}

} // namespace
