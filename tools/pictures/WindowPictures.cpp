// Pictures of every center and every settings, text and calendar dialog.
#include "Pictures.h"

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
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <iostream>

namespace {

class PictureTaker
{
public:
    explicit PictureTaker(const QDir& folder) : m_folder(folder) {}

    void Save(QWidget& widget, const QString& name)
    {
        widget.show();
        QCoreApplication::processEvents();
        if (widget.grab().save(m_folder.filePath(name + QStringLiteral(".png"))))
            return;
        std::cerr << "Could not write " << qPrintable(name) << '\n';
        m_allWritten = false;
    }

    bool AllWritten() const { return m_allWritten; }

private:
    QDir m_folder;
    bool m_allWritten = true;
};

void TakeEveryCenter(PictureTaker& pictures)
{
    CSnapfoldDoc document;
    CMainFrame frame(document);
    frame.resize(1400, 900);
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        frame.Dispatch(ViewCommandOfCenter(center));
        pictures.Save(frame, QStringLiteral("center-%1").arg(i));
    }
}

void TakeEverySettingsDialog(PictureTaker& pictures)
{
    CChildCareCenterDlg center(Program().centerInfo);
    pictures.Save(center, QStringLiteral("dialog-center"));
    CTuitionRateDlg tuition{CTuitionRateTexts()};
    pictures.Save(tuition, QStringLiteral("dialog-tuition"));
    CVCSAMPLE1Dlg email(Program().email);
    pictures.Save(email, QStringLiteral("dialog-email"));
    CWallPaperDialog wallpaper;
    pictures.Save(wallpaper, QStringLiteral("dialog-wallpaper"));
    CAboutDlg about;
    pictures.Save(about, QStringLiteral("dialog-about"));
    CHelpDlg help;
    pictures.Save(help, QStringLiteral("dialog-help"));
}

void TakeEveryTextAndCalendarDialog(PictureTaker& pictures)
{
    CTextDlg text(QStringLiteral("Spring Fair\nSaturday 10 am"));
    pictures.Save(text, QStringLiteral("dialog-text"));
    CSymbolPickerDlg symbols;
    pictures.Save(symbols, QStringLiteral("dialog-symbols"));
    CTextArtDlg art(CTextObject(CPageRect{0, 0, 300, 80}, QStringLiteral("Spring")));
    pictures.Save(art, QStringLiteral("dialog-text-art"));
    CCalendarDlg calendar(CCalendarOptions::StartingAt(QDate(2025, 5, 1)));
    pictures.Save(calendar, QStringLiteral("dialog-calendar"));
    const CCalendarObject existing;
    CCalendarFontDlg font(CCalendarFonts::Of(existing));
    pictures.Save(font, QStringLiteral("dialog-calendar-font"));
    CCalendarOptionsDlg options(CCalendarLook::Of(existing));
    pictures.Save(options, QStringLiteral("dialog-calendar-options"));
    CCalendarLanguageDlg language(false);
    pictures.Save(language, QStringLiteral("dialog-calendar-language"));
    CCalendarSettings stored;
    stored.publicHolidays = {QDate(2025, 1, 1), QDate(2025, 4, 18), QDate(2025, 12, 25)};
    stored.SaveHolidays(CSettingsStore::Instance());
    CPublicHolidaysDlg holidays;
    pictures.Save(holidays, QStringLiteral("dialog-public-holidays"));
}

} // namespace

bool WriteWindowPictures(const QDir& folder)
{
    PictureTaker pictures(folder);
    TakeEveryCenter(pictures);
    TakeEverySettingsDialog(pictures);
    TakeEveryTextAndCalendarDialog(pictures);
    return pictures.AllWritten();
}
