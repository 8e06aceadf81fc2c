#include "support/DialogTestKit.h"
#include "settings/SettingsKeys.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarSettings.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/view/CalendarDialog.h"
#include "canvas/view/CalendarFontDialog.h"
#include "canvas/view/CalendarLanguageDialog.h"
#include "canvas/view/CalendarOptionsDialog.h"
#include "canvas/view/ColorChoiceButton.h"
#include "canvas/view/FontChoiceButton.h"
#include "canvas/view/PublicHolidaysDialog.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

const QString kSection = QString::fromLatin1(SettingsKey::Setting);

void ChooseData(QDialog& dialog, const char* combo, int value)
{
    auto* box = Find<QComboBox>(dialog, combo);
    const int index = box->findData(value);
    ASSERT_GE(index, 0) << combo << " has no " << value;
    box->setCurrentIndex(index);
}

QStringList ListTexts(QDialog& dialog)
{
    QStringList texts;
    auto* list = Find<QListWidget>(dialog, "holidays");
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text().section(QLatin1Char(' '), 0, 0);
    return texts;
}

using CalendarDialogTest = DialogTest;

TEST_F(CalendarDialogTest, ShowsTheOptionsItIsGiven)
{
    CalendarOptionSet initial = CalendarOptionSet::StartingAt(QDate(2031, 11, 2));
    initial.look.shape = CalendarShape::Rectangle;
    initial.look.weekdayStyle = CalendarLook::ThreeLetters;
    initial.fonts.title.face = QStringLiteral("Georgia");
    CalendarDialog dialog(initial);
    EXPECT_EQ(Find<QSpinBox>(dialog, "year")->value(), 2031);
    EXPECT_EQ(Find<QComboBox>(dialog, "month")->currentText(), QStringLiteral("November"));
    EXPECT_TRUE(Find<QRadioButton>(dialog, "oneMonth")->isChecked());
    EXPECT_TRUE(initial.look.fillBackground);
    EXPECT_FALSE(Find<QComboBox>(dialog, "yearLayout")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(dialog, "shape")->currentText(), QStringLiteral("Rectangle"));
    EXPECT_EQ(dialog.Options(), initial) << "OK without changes gives back what it was given";
}

TEST_F(CalendarDialogTest, AWholeYearInRowsOfSixWithTheUsersChoicesReachesTheCalendars)
{
    CalendarDialog dialog(CalendarOptionSet::StartingAt(QDate(2025, 3, 1)));
    Find<QSpinBox>(dialog, "year")->setValue(2026);
    Find<QRadioButton>(dialog, "wholeYear")->setChecked(true);
    EXPECT_TRUE(Find<QComboBox>(dialog, "yearLayout")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(dialog, "month")->isEnabled());
    ChooseData(dialog, "yearLayout", CalendarOptionSet::RowsOfSix);
    ChooseData(dialog, "shape", CalendarShape::WallSheet);
    ChooseData(dialog, "holidayMark", CalendarLook::BoldNumber);
    ChooseData(dialog, "weekStart", 1);
    ChooseData(dialog, "weekdayStyle", CalendarLook::FullNames);
    Find<QCheckBox>(dialog, "showYear")->setChecked(true);
    Find<QCheckBox>(dialog, "weekdayBand")->setChecked(false);
    Find<QCheckBox>(dialog, "outline")->setChecked(false);
    EXPECT_FALSE(Find<ColorChoiceButton>(dialog, "outlineColor")->isEnabled());
    Prompt().QueueColor(QColor(250, 200, 10));
    Find<ColorChoiceButton>(dialog, "holidayColor")->click();
    Prompt().QueueFont(QFont(QStringLiteral("Liberation Serif"), 20, QFont::Bold));
    Find<FontChoiceButton>(dialog, "titleFont")->click();

    const CalendarOptionSet options = dialog.Options();
    EXPECT_TRUE(options.wholeYear);
    EXPECT_EQ(options.yearLayout, CalendarOptionSet::RowsOfSix);

    CalendarObject calendar;
    options.ApplyTo(calendar);
    EXPECT_EQ(calendar.m_nYear, 2026);
    EXPECT_EQ(calendar.m_nCalendarShape, 4);
    EXPECT_EQ(calendar.m_nHolidayMark, 1);
    EXPECT_EQ(calendar.m_crHoliday, Rgb(250, 200, 10));
    EXPECT_EQ(calendar.m_bSundayFirst, 1);
    EXPECT_EQ(calendar.m_nWeekdayStyle, 2);
    EXPECT_EQ(calendar.m_bShowYear, 1);
    EXPECT_EQ(calendar.m_bNoWeekdayBand, 1);
    EXPECT_EQ(calendar.m_bNoLine, 1);
    EXPECT_EQ(calendar.m_strTitleFont, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(calendar.m_nTitleSize, 20);
    EXPECT_EQ(calendar.m_bTitleBold, 1);
}

TEST_F(CalendarDialogTest, BordersAndCornerNumbersOnlyForTheTransparentShape)
{
    CalendarDialog dialog(CalendarOptionSet{});
    auto* borders = Find<QCheckBox>(dialog, "cellBorders");
    auto* corner = Find<QCheckBox>(dialog, "topLeftNumbers");
    EXPECT_FALSE(borders->isEnabled());
    ChooseData(dialog, "shape", CalendarShape::Transparent);
    EXPECT_TRUE(borders->isEnabled());
    EXPECT_FALSE(corner->isEnabled()) << "corner numbers need borders";
    borders->setChecked(true);
    EXPECT_TRUE(corner->isEnabled());
    corner->setChecked(true);
    const CalendarLook look = dialog.Options().look;
    EXPECT_EQ(look.shape, CalendarShape::Transparent);
    EXPECT_TRUE(look.cellBorders);
    EXPECT_TRUE(look.topLeftNumbers);
}

TEST_F(CalendarDialogTest, FontDialogEditsTheCalendarsOwnFontsAndCancelledChoicesChangeNothing)
{
    CalendarFontDialog plain{CalendarFonts()};
    Find<ColorChoiceButton>(plain, "dayColor")->click();
    Find<FontChoiceButton>(plain, "weekdayFont")->click();
    EXPECT_EQ(Prompt().lastInitialFont.family(), QStringLiteral("Arial"));
    EXPECT_EQ(Prompt().lastInitialFont.pointSize(), 11);
    EXPECT_EQ(plain.Fonts(), CalendarFonts());

    CalendarObject calendar;
    calendar.m_strDayFont = QStringLiteral("Liberation Mono");
    calendar.m_bDayItalic = 1;
    CalendarFontDialog dialog(CalendarFonts::Of(calendar));
    EXPECT_EQ(Find<FontChoiceButton>(dialog, "dayFont")->text(),
              QStringLiteral("Liberation Mono, 10, Italic"));
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(16);
    chosen.setItalic(true);
    Prompt().QueueFont(chosen);
    Find<FontChoiceButton>(dialog, "weekdayFont")->click();
    Prompt().QueueColor(QColor(0, 128, 0));
    Find<ColorChoiceButton>(dialog, "dayColor")->click();
    dialog.Fonts().ApplyTo(calendar);
    EXPECT_EQ(calendar.m_strWeekdayFont, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(calendar.m_nWeekdaySize, 16);
    EXPECT_EQ(calendar.m_bWeekdayItalic, 1);
    EXPECT_EQ(calendar.m_crDay, Rgb(0, 128, 0));
    EXPECT_EQ(calendar.m_strDayFont, QStringLiteral("Liberation Mono"));
}

TEST_F(CalendarDialogTest, OptionsDialogEditsTheCalendarsLook)
{
    CalendarObject calendar;
    calendar.m_nWeekdayStyle = 9; // stored by an older program: one letter
    CalendarOptionsDialog dialog(CalendarLook::Of(calendar));
    EXPECT_EQ(Find<QComboBox>(dialog, "weekdayStyle")->currentData().toInt(), CalendarLook::OneLetter);
    EXPECT_FALSE(Find<QCheckBox>(dialog, "fillBackground")->isChecked());
    EXPECT_FALSE(Find<ColorChoiceButton>(dialog, "backgroundColor")->isEnabled());
    Find<QCheckBox>(dialog, "fillBackground")->setChecked(true);
    EXPECT_TRUE(Find<ColorChoiceButton>(dialog, "backgroundColor")->isEnabled());
    Find<QCheckBox>(dialog, "ownLanguage")->setChecked(true);
    dialog.Look().ApplyTo(calendar);
    EXPECT_EQ(calendar.m_bFill, 1);
    EXPECT_EQ(calendar.m_bOwnLanguage, 1);
    EXPECT_EQ(calendar.m_nWeekdayStyle, 0);
    EXPECT_EQ(calendar.m_crCalendar, Rgb(214, 228, 248));
}

TEST_F(CalendarDialogTest, HolidaysDialogAddsRemovesAndStoresOnlyOnOk)
{
    CalendarSettings stored;
    stored.publicHolidays = {QDate(2025, 12, 25)};
    stored.SaveHolidays(Store());

    PublicHolidaysDialog dialog;
    EXPECT_EQ(ListTexts(dialog), QStringList{QStringLiteral("2025-12-25")});
    auto* date = Find<QDateEdit>(dialog, "date");
    date->setDate(QDate(2025, 1, 1));
    Find<QPushButton>(dialog, "add")->click();
    date->setDate(QDate(2025, 12, 26));
    Find<QPushButton>(dialog, "add")->click();
    Find<QPushButton>(dialog, "add")->click(); // the same day again
    EXPECT_EQ(ListTexts(dialog), (QStringList{QStringLiteral("2025-01-01"), QStringLiteral("2025-12-25"),
                                              QStringLiteral("2025-12-26")}));
    EXPECT_EQ(Find<QListWidget>(dialog, "holidays")->currentRow(), 2) << "the added day is selected";

    Find<QListWidget>(dialog, "holidays")->setCurrentRow(1);
    Find<QPushButton>(dialog, "remove")->click();
    EXPECT_FALSE(Find<QPushButton>(dialog, "remove")->isEnabled());
    EXPECT_EQ(Store().GetInt(kSection, QStringLiteral("PUBLICHOLIDAYS"), 0), 1) << "nothing stored before OK";

    dialog.show();
    Press(dialog, QDialogButtonBox::Ok);
    const QList<QDate> expected{QDate(2025, 1, 1), QDate(2025, 12, 26)};
    EXPECT_EQ(dialog.Holidays(), expected);
    m_home.ReopenSettings();
    EXPECT_EQ(CalendarSettings::Load(Store()).publicHolidays, expected);
    EXPECT_EQ(Store().GetString(kSection, QStringLiteral("PUBLICHOLIDAY_2")), QStringLiteral("2025-12-26"));

    // Another starts at today, and Cancel stores nothing.
    Clock::SetNow(QDateTime(QDate(2030, 6, 15), QTime(12, 0), Qt::UTC));
    PublicHolidaysDialog cancelled;
    EXPECT_EQ(Find<QDateEdit>(cancelled, "date")->date(), Clock::TodayLocal());
    Find<QPushButton>(cancelled, "add")->click();
    cancelled.show();
    Press(cancelled, QDialogButtonBox::Cancel);
    EXPECT_EQ(CalendarSettings::Load(Store()).publicHolidays, expected);
}

TEST_F(CalendarDialogTest, LanguageDialogShowsStoredNamesAndStoresEdits)
{
    Store().WriteString(kSection, QStringLiteral("MONTH_3"), QStringLiteral("Mars"));
    CalendarLanguageDialog dialog(false);
    EXPECT_EQ(Find<QLineEdit>(dialog, "month3")->text(), QStringLiteral("Mars"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "month4")->text(), QStringLiteral("April"));
    Find<QLineEdit>(dialog, "month4")->setText(QStringLiteral("  Avril "));
    Find<QLineEdit>(dialog, "weekday7")->setText(QStringLiteral("Dimanche"));
    Find<QCheckBox>(dialog, "useOwnNames")->setChecked(true);
    dialog.show();
    Press(dialog, QDialogButtonBox::Ok);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.UseOwnNames());
    m_home.ReopenSettings();
    const CalendarSettings stored = CalendarSettings::Load(Store());
    EXPECT_EQ(stored.monthNames[3], QStringLiteral("Avril"));
    EXPECT_EQ(stored.weekdayNames[6], QStringLiteral("Dimanche"));
    EXPECT_EQ(stored.monthNames, dialog.MonthNames());
    EXPECT_EQ(Store().GetString(kSection, QStringLiteral("MONTH_1")), QStringLiteral("January"));
}

TEST_F(CalendarDialogTest, LanguageDialogRefusesAnEmptyNameAndCanGoBackToEnglish)
{
    Store().WriteString(kSection, QStringLiteral("WEEKDAY_2"), QStringLiteral("Dienstag"));
    CalendarLanguageDialog dialog(true);
    dialog.show();
    Find<QLineEdit>(dialog, "month12")->clear();
    Press(dialog, QDialogButtonBox::Ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Prompt().Texts(), QStringList{QStringLiteral("Please enter a name for every month and weekday.")});
    EXPECT_FALSE(Store().Contains(kSection, QStringLiteral("MONTH_1")));

    Find<QPushButton>(dialog, "englishNames")->click();
    EXPECT_EQ(Find<QLineEdit>(dialog, "month12")->text(), QStringLiteral("December"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "weekday2")->text(), QStringLiteral("Tuesday"));
    Press(dialog, QDialogButtonBox::Ok);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Store().GetString(kSection, QStringLiteral("WEEKDAY_2")), QStringLiteral("Tuesday"));
}

TEST_F(CalendarDialogTest, NamesButtonStoresNamesAndTurnsOwnLanguageOn)
{
    CalendarOptionsDialog dialog{CalendarLook()};
    ScriptNextDialog([](QDialog& language) {
        Find<QLineEdit>(language, "month1")->setText(QStringLiteral("Gennaio"));
        Find<QCheckBox>(language, "useOwnNames")->setChecked(true);
        Press(language, QDialogButtonBox::Ok);
    });
    Find<QPushButton>(dialog, "editNames")->click();
    EXPECT_TRUE(dialog.Look().ownLanguage);
    EXPECT_EQ(CalendarSettings::Load(Store()).monthNames.first(), QStringLiteral("Gennaio"));

    ScriptNextDialog([](QDialog& holidays) {
        Find<QDateEdit>(holidays, "date")->setDate(QDate(2026, 4, 25));
        Find<QPushButton>(holidays, "add")->click();
        Press(holidays, QDialogButtonBox::Ok);
    });
    Find<QPushButton>(dialog, "editHolidays")->click();
    EXPECT_EQ(CalendarSettings::Load(Store()).publicHolidays, QList<QDate>{QDate(2026, 4, 25)});
}

} // namespace
