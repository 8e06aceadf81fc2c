// Pictures of every center and settings dialog for a person to look at. Runs only
// when TENDREL_SCREENSHOT_DIR names a folder:
//   TENDREL_SCREENSHOT_DIR=/tmp/shots build/bin/test_frame --gtest_filter='Screenshots*'
#include "commands/CommandRouting.h"
#include "settings/ProgramState.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarSettings.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/CalendarDialog.h"
#include "canvas/view/CalendarFontDialog.h"
#include "canvas/view/CalendarLanguageDialog.h"
#include "canvas/view/CalendarOptionsDialog.h"
#include "canvas/view/PublicHolidaysDialog.h"
#include "canvas/view/SymbolPickerDialog.h"
#include "canvas/view/TextArtDialog.h"
#include "canvas/view/TextDialog.h"
#include "app/AboutDialog.h"
#include "app/CenterInfoDialog.h"
#include "app/HelpDialog.h"
#include "app/MainWindow.h"
#include "app/TuitionRatesDialog.h"
#include "app/EmailSettingsDialog.h"
#include "app/BackgroundColorDialog.h"
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
    TempHome m_home;
};

TEST_F(ScreenshotsTest, EveryCenter)
{
    PageDocument document;
    MainWindow frame(document);
    frame.resize(1400, 900);
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        frame.Dispatch(ViewCommandOfCenter(center));
        Save(frame, QStringLiteral("center-%1").arg(i));
    }
}

TEST_F(ScreenshotsTest, EverySettingsDialog)
{
    CenterInfoDialog center(Program().centerInfo);
    Save(center, QStringLiteral("dialog-center"));
    TuitionRatesDialog tuition{TuitionRateTexts()};
    Save(tuition, QStringLiteral("dialog-tuition"));
    EmailSettingsDialog email(Program().email);
    Save(email, QStringLiteral("dialog-email"));
    BackgroundColorDialog wallpaper;
    Save(wallpaper, QStringLiteral("dialog-wallpaper"));
    AboutDialog about;
    Save(about, QStringLiteral("dialog-about"));
    HelpDialog help;
    Save(help, QStringLiteral("dialog-help"));
}

TEST_F(ScreenshotsTest, EveryTextAndCalendarDialog)
{
    TextDialog text(QStringLiteral("Spring Fair\nSaturday 10 am"));
    Save(text, QStringLiteral("dialog-text"));
    SymbolPickerDialog symbols;
    Save(symbols, QStringLiteral("dialog-symbols"));
    TextArtDialog art(TextObject(PageRect{0, 0, 300, 80}, QStringLiteral("Spring")));
    Save(art, QStringLiteral("dialog-text-art"));
    CalendarDialog calendar(CalendarOptionSet::StartingAt(QDate(2025, 5, 1)));
    Save(calendar, QStringLiteral("dialog-calendar"));
    const CalendarObject existing;
    CalendarFontDialog font(CalendarFonts::Of(existing));
    Save(font, QStringLiteral("dialog-calendar-font"));
    CalendarOptionsDialog options(CalendarLook::Of(existing));
    Save(options, QStringLiteral("dialog-calendar-options"));
    CalendarLanguageDialog language(false);
    Save(language, QStringLiteral("dialog-calendar-language"));
    CalendarSettings stored;
    stored.publicHolidays = {QDate(2025, 1, 1), QDate(2025, 4, 18), QDate(2025, 12, 25)};
    stored.SaveHolidays(m_home.Settings());
    PublicHolidaysDialog holidays;
    Save(holidays, QStringLiteral("dialog-public-holidays"));
}

} // namespace
