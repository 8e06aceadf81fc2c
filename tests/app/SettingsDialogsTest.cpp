#include "FrameFixture.h"
#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "settings/SettingsKeys.h"
#include "widgets/ColorSwatchButton.h"
#include "app/MainWindow.h"
#include "app/BackgroundColorDialog.h"
#include "widgets/ModalRunner.h"
#include "platform/SettingsStore.h"
#include "support/DialogTestKit.h"
#include "support/ScriptedPrompt.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

QString K(const char* key)
{
    return QString::fromLatin1(key);
}

void Type(QDialog& dialog, const char* field, const QString& text)
{
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->setText(text);
}

QString Field(QDialog& dialog, const char* field)
{
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(field));
    return edit ? edit->text() : QStringLiteral("<missing>");
}

// Runs the next modal dialog with a script instead of a person; records whether it
// was still open after the script pressed its buttons.
class SettingsDialogsTest : public FrameTest
{
protected:
    void Script(std::function<void(QDialog&)> script)
    {
        SetModalHook([this, script](QDialog& dialog) {
            dialog.show();
            script(dialog);
            m_leftOpen = dialog.isVisible();
            return dialog.result();
        });
    }

    QString Setting(const char* section, const char* key)
    {
        return m_home.Settings().GetString(K(section), K(key), QStringLiteral("<unset>"));
    }

    bool m_leftOpen = false;
};

TEST_F(SettingsDialogsTest, CenterInformationOkStoresAndUsesTheValuesAtOnce)
{
    m_home.Settings().WriteString(K(SettingsKey::Setting), K(SettingsKey::CenterPhone),
                                  QStringLiteral("555 0100"));
    Script([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Child Care Center Information"));
        EXPECT_EQ(Field(dialog, "centerPhone"), QStringLiteral("555 0100"));
        Type(dialog, "centerName", QStringLiteral("Little O'Brien's"));
        Type(dialog, "centerWebsite", QStringLiteral("obriens.example.org"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::CenterInformation);

    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::CenterName), QStringLiteral("Little O'Brien's"));
    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::CenterWebsite),
              QStringLiteral("obriens.example.org"));
    EXPECT_EQ(Program().centerInfo.name, QStringLiteral("Little O'Brien's"));
    EXPECT_EQ(Program().centerInfo.phone, QStringLiteral("555 0100"));
}

TEST_F(SettingsDialogsTest, CenterInformationCancelChangesNothing)
{
    Script([](QDialog& dialog) {
        Type(dialog, "centerName", QStringLiteral("Typed by mistake"));
        Press(dialog, QDialogButtonBox::Cancel);
    });
    Frame().Dispatch(Cmd::CenterInformation);
    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::CenterName), QStringLiteral("<unset>"));
    EXPECT_TRUE(Program().centerInfo.name.isEmpty());
}

TEST_F(SettingsDialogsTest, TuitionOkStoresTextsAndRatesAreInUseAtOnce)
{
    Script([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Daily tuition setting"));
        EXPECT_EQ(Field(dialog, "fullTimeRate"), QStringLiteral("66.66"));
        EXPECT_EQ(Field(dialog, "currencySymbol"), QStringLiteral("$"));
        Type(dialog, "fullTimeRate", QStringLiteral("70.50"));
        Type(dialog, "extraHourRate", QStringLiteral(" 12 "));
        Type(dialog, "currencySymbol", QStringLiteral("€"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::DailyTuition);

    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::FullTimeRate), QStringLiteral("70.50"));
    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::PartTimeRate), QStringLiteral("69.66"));
    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::ExtraHourRate), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(Program().tuitionRates.fullTime, 70.5);
    EXPECT_DOUBLE_EQ(Program().tuitionRates.extraHour, 12.0);
    EXPECT_EQ(Program().tuitionRates.currencySymbol, QStringLiteral("€"));
}

TEST_F(SettingsDialogsTest, TuitionRateThatIsNotANumberIsRefusedByName)
{
    Script([](QDialog& dialog) {
        Type(dialog, "partTimeRate", QStringLiteral("abc"));
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, QDialogButtonBox::Cancel);
    });
    Frame().Dispatch(Cmd::DailyTuition);
    EXPECT_EQ(m_home.Prompt().Texts(),
              QStringList{QStringLiteral("Parttime Daily Rate must be an amount such as 66.66.")});
    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::PartTimeRate), QStringLiteral("<unset>"));
    EXPECT_DOUBLE_EQ(Program().tuitionRates.partTime, 69.66);
}

TEST_F(SettingsDialogsTest, EmailNeedsASenderAndStoresEveryKey)
{
    Script([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Email Setting"));
        EXPECT_EQ(Field(dialog, "startTime"), QStringLiteral("13:10"));
        EXPECT_EQ(Field(dialog, "server"), QStringLiteral("smtp.gmail.com"));
        Type(dialog, "sender", QStringLiteral("   "));
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());

        Type(dialog, "sender", QStringLiteral("  office@sunny.example "));
        Type(dialog, "server", QStringLiteral(" mail.sunny.example "));
        Type(dialog, "startTime", QString());
        Type(dialog, "password", QStringLiteral("s3cret"));
        dialog.findChild<QCheckBox*>(QStringLiteral("ssl"))->setChecked(false);
        dialog.findChild<QSpinBox*>(QStringLiteral("imagesToSend"))->setValue(3);
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("body"))->setPlainText(QStringLiteral("Hello"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::EmailServer);

    EXPECT_FALSE(m_leftOpen);
    EXPECT_EQ(m_home.Prompt().Texts(), QStringList{QStringLiteral("Please input sender and recipient!")});
    m_home.ReopenSettings();
    const EmailSettings stored = EmailSettings::Load(m_home.Settings());
    EXPECT_EQ(stored, Program().email);
    EXPECT_EQ(stored.sender, QStringLiteral("office@sunny.example"));
    EXPECT_EQ(stored.smtpServer, QStringLiteral("mail.sunny.example"));
    EXPECT_EQ(stored.startHour, 13);
    EXPECT_EQ(stored.startMinute, 30);
    EXPECT_EQ(stored.password, QStringLiteral("s3cret"));
    EXPECT_FALSE(stored.ssl);
    EXPECT_EQ(stored.imagesToSend, 3);
    EXPECT_EQ(stored.body, QStringLiteral("Hello"));
    for (const char* key : {"EMAILSERVICE", "STARTHOUR", "STARTMINUTE", "SMTPSERVER", "EMAILSENDER",
                            "IMAGESTOSEND", "EMAILSUBJECT", "EMAILBODY", "PASSWORD", "USERNAME", "SSL"})
        EXPECT_TRUE(m_home.Settings().Contains(K(SettingsKey::EmailSetting), K(key))) << key;
}

TEST_F(SettingsDialogsTest, EmailStartTimeIsReadOrRefused)
{
    Script([](QDialog& dialog) {
        Type(dialog, "startTime", QStringLiteral("25:61"));
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());
        Type(dialog, "startTime", QStringLiteral(" 8:05 "));
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::EmailServer);
    EXPECT_EQ(m_home.Prompt().Texts().size(), 1);
    EXPECT_EQ(Program().email.startHour, 8);
    EXPECT_EQ(Program().email.startMinute, 5);
}

TEST_F(SettingsDialogsTest, EmailCancelChangesNothing)
{
    Script([](QDialog& dialog) {
        Type(dialog, "sender", QStringLiteral("someone@else"));
        Press(dialog, QDialogButtonBox::Cancel);
    });
    Frame().Dispatch(Cmd::EmailServer);
    EXPECT_EQ(Program().email, EmailSettings());
    EXPECT_FALSE(m_home.Settings().Contains(K(SettingsKey::EmailSetting), K(SettingsKey::EmailSender)));
}

TEST_F(SettingsDialogsTest, BackgroundColourStartsLightBlueAndIsKeptForTheNextStart)
{
    Script([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Ok); });
    Program().canvasBackground = Qt::black;
    Frame().Dispatch(Cmd::BackgroundColor);
    EXPECT_EQ(Program().canvasBackground, QColor(129, 192, 245));

    Script([](QDialog& dialog) {
        dialog.findChild<ColorSwatchButton*>(QStringLiteral("swatch1012"))->click();
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::BackgroundColor);
    EXPECT_EQ(Program().canvasBackground, QColor(177, 100, 255));
    EXPECT_EQ(Setting(SettingsKey::Setting, SettingsKey::BackgroundColor),
              QString::number(177 | 100 << 8 | 255 << 16));

    Script([](QDialog& dialog) {
        dialog.findChild<ColorSwatchButton*>(QStringLiteral("swatch1093"))->click();
        Press(dialog, QDialogButtonBox::Cancel);
    });
    Frame().Dispatch(Cmd::BackgroundColor);
    EXPECT_EQ(Program().canvasBackground, QColor(177, 100, 255));

    m_home.ReopenSettings();
    Program().canvasBackground = Qt::black;
    Program().LoadCenterSettings(m_home.Settings());
    EXPECT_EQ(Program().canvasBackground, QColor(177, 100, 255));
}

TEST(WallPaperDialogTest, TwelveSamplesInRowsOfThree)
{
    BackgroundColorDialog dialog;
    const auto& swatches = BackgroundColorDialog::Swatches();
    ASSERT_EQ(swatches.size(), 12u);
    EXPECT_EQ(swatches[0].controlId, 1093);
    EXPECT_EQ(swatches[11].color, QColor(177, 100, 255));
    const auto* start = dialog.findChild<ColorSwatchButton*>(QStringLiteral("swatch1004"));
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isChecked());
    dialog.Choose(1006);
    EXPECT_EQ(dialog.SelectedColor(), QColor(83, 83, 83));
    EXPECT_FALSE(start->isChecked());
}

} // namespace
