// Pictures of every center and every settings, text and calendar dialog.
#include "Pictures.h"

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
    PageDocument document;
    MainWindow frame(document);
    frame.resize(1400, 900);
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        frame.Dispatch(ViewCommandOfCenter(center));
        pictures.Save(frame, QStringLiteral("center-%1").arg(i));
    }
}

void TakeEverySettingsDialog(PictureTaker& pictures)
{
    CenterInfoDialog center(Program().centerInfo);
    pictures.Save(center, QStringLiteral("dialog-center"));
    TuitionRatesDialog tuition{TuitionRateTexts()};
    pictures.Save(tuition, QStringLiteral("dialog-tuition"));
    EmailSettingsDialog email(Program().email);
    pictures.Save(email, QStringLiteral("dialog-email"));
    BackgroundColorDialog wallpaper;
    pictures.Save(wallpaper, QStringLiteral("dialog-wallpaper"));
    AboutDialog about;
    pictures.Save(about, QStringLiteral("dialog-about"));
    HelpDialog help;
    pictures.Save(help, QStringLiteral("dialog-help"));
}

void TakeEveryTextAndCalendarDialog(PictureTaker& pictures)
{
    TextDialog text(QStringLiteral("Spring Fair\nSaturday 10 am"));
    pictures.Save(text, QStringLiteral("dialog-text"));
    SymbolPickerDialog symbols;
    pictures.Save(symbols, QStringLiteral("dialog-symbols"));
    TextArtDialog art(TextObject(PageRect{0, 0, 300, 80}, QStringLiteral("Spring")));
    pictures.Save(art, QStringLiteral("dialog-text-art"));
    CalendarDialog calendar(CalendarOptionSet::StartingAt(QDate(2025, 5, 1)));
    pictures.Save(calendar, QStringLiteral("dialog-calendar"));
    const CalendarObject existing;
    CalendarFontDialog font(CalendarFonts::Of(existing));
    pictures.Save(font, QStringLiteral("dialog-calendar-font"));
    CalendarOptionsDialog options(CalendarLook::Of(existing));
    pictures.Save(options, QStringLiteral("dialog-calendar-options"));
    CalendarLanguageDialog language(false);
    pictures.Save(language, QStringLiteral("dialog-calendar-language"));
    CalendarSettings stored;
    stored.publicHolidays = {QDate(2025, 1, 1), QDate(2025, 4, 18), QDate(2025, 12, 25)};
    stored.SaveHolidays(SettingsStore::Instance());
    PublicHolidaysDialog holidays;
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
