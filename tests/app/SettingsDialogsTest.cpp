#include "FrameFixture.h"
#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "settings/SettingsKeys.h"
#include "widgets/ColorSwatchButton.h"
#include "app/CenterStack.h"
#include "app/MainWindow.h"
#include "app/RecordsNotice.h"
#include "FakeCenterView.h"
#include "records/RecordsDatabase.h"
#include "settings/DatabaseSettings.h"
#include "widgets/ModalRunner.h"
#include "platform/SettingsStore.h"
#include "support/DialogTestKit.h"
#include "support/ScriptedPrompt.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QScopeGuard>
#include <QTest>

namespace {

QString K(const char* key)
{
    return QString::fromLatin1(key);
}

void Fill(QDialog& dialog, const char* field, const QString& text)
{
    if (auto* edit = Find<QLineEdit>(dialog, field))
        edit->setText(text);
}

QString Field(QDialog& dialog, const char* field)
{
    auto* edit = Find<QLineEdit>(dialog, field);
    return edit ? edit->text() : QString();
}

class SettingsDialogsTest : public FrameTest
{
protected:
    QString Setting(const char* key)
    {
        return m_home.Settings().GetString(K(SettingsKey::Setting), K(key),
                                           QStringLiteral("<unset>"));
    }
};

TEST_F(SettingsDialogsTest, CenterInformationOkStoresAndUsesTheValuesAtOnce)
{
    m_home.Settings().WriteString(K(SettingsKey::Setting), K(SettingsKey::CenterPhone),
                                  QStringLiteral("555 0100"));
    ScriptNextDialog([](QDialog& dialog) {
        EXPECT_EQ(Field(dialog, "centerPhone"), QStringLiteral("555 0100"));
        Fill(dialog, "centerName", QStringLiteral("Little O'Brien's"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::CenterInformation);

    EXPECT_EQ(Setting(SettingsKey::CenterName), QStringLiteral("Little O'Brien's"));
    EXPECT_EQ(Program().centerInfo.name, QStringLiteral("Little O'Brien's"));
    EXPECT_EQ(Program().centerInfo.phone, QStringLiteral("555 0100"));
}

TEST_F(SettingsDialogsTest, CancelChangesNothing)
{
    for (const int command :
         {Cmd::CenterInformation, Cmd::DailyTuition, Cmd::EmailServer, Cmd::Database}) {
        ScriptNextDialog([](QDialog& dialog) {
            for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
                edit->setText(QStringLiteral("42"));
            Press(dialog, QDialogButtonBox::Cancel);
        });
        Frame().Dispatch(command);
    }
    EXPECT_EQ(Program().centerInfo, CenterInfo());
    EXPECT_DOUBLE_EQ(Program().tuitionRates.fullTime, TuitionRates().fullTime);
    EXPECT_EQ(Program().email, EmailSettings());
    EXPECT_EQ(Setting(SettingsKey::CenterName), QStringLiteral("<unset>"));
    EXPECT_EQ(Setting(SettingsKey::FullTimeRate), QStringLiteral("<unset>"));
    EXPECT_FALSE(
        m_home.Settings().Contains(K(SettingsKey::EmailSetting), K(SettingsKey::EmailSender)));
    EXPECT_FALSE(m_home.Settings().Contains(K(SettingsKey::Database), K(SettingsKey::DatabaseUrl)));
}

TEST_F(SettingsDialogsTest, TuitionOkStoresTextsAndRatesAreInUseAtOnce)
{
    ScriptNextDialog([](QDialog& dialog) {
        Fill(dialog, "fullTimeRate", QStringLiteral("70.50"));
        Fill(dialog, "extraHourRate", QStringLiteral(" 12 "));
        Fill(dialog, "currencySymbol", QStringLiteral("€"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::DailyTuition);

    EXPECT_EQ(Setting(SettingsKey::FullTimeRate), QStringLiteral("70.50"));
    EXPECT_EQ(Setting(SettingsKey::ExtraHourRate), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(Program().tuitionRates.fullTime, 70.5);
    EXPECT_EQ(Program().tuitionRates.currencySymbol, QStringLiteral("€"));
}

TEST_F(SettingsDialogsTest, TuitionRateThatIsNotANumberIsRefusedByName)
{
    ScriptNextDialog([](QDialog& dialog) {
        Fill(dialog, "partTimeRate", QStringLiteral("abc"));
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, QDialogButtonBox::Cancel);
    });
    Frame().Dispatch(Cmd::DailyTuition);
    EXPECT_EQ(m_home.Prompt().Texts(),
              QStringList{QStringLiteral("Parttime Daily Rate must be an amount such as 66.66.")});
    EXPECT_EQ(Setting(SettingsKey::PartTimeRate), QStringLiteral("<unset>"));
    EXPECT_DOUBLE_EQ(Program().tuitionRates.partTime, 69.66);
}

TEST_F(SettingsDialogsTest, EmailNeedsASenderAndAReadableStartTimeThenStoresWhatWasTyped)
{
    ScriptNextDialog([](QDialog& dialog) {
        Fill(dialog, "sender", QStringLiteral("   "));
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());
        Fill(dialog, "sender", QStringLiteral("  office@sunny.example "));
        Fill(dialog, "startTime", QStringLiteral("25:61"));
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());

        Fill(dialog, "startTime", QStringLiteral(" 8:05 "));
        Find<QCheckBox>(dialog, "ssl")->setChecked(false);
        Find<QPlainTextEdit>(dialog, "body")->setPlainText(QStringLiteral("Hello"));
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_FALSE(dialog.isVisible());
    });
    Frame().Dispatch(Cmd::EmailServer);

    EXPECT_EQ(m_home.Prompt().Texts().size(), 2);
    m_home.ReopenSettings();
    const EmailSettings stored = EmailSettings::Load(m_home.Settings());
    EXPECT_EQ(stored, Program().email);
    EXPECT_EQ(stored.sender, QStringLiteral("office@sunny.example"));
    EXPECT_EQ((StartTime{stored.startHour, stored.startMinute}), (StartTime{8, 5}));
    EXPECT_FALSE(stored.ssl);
    EXPECT_EQ(stored.body, QStringLiteral("Hello"));
}

TEST_F(SettingsDialogsTest, BackgroundColourStartsLightBlueAndIsKeptForTheNextStart)
{
    const auto choose = [this](const char* swatch, int button) {
        ScriptNextDialog([=](QDialog& dialog) {
            if (swatch)
                Find<ColorSwatchButton>(dialog, swatch)->click();
            Press(dialog, button);
        });
        Frame().Dispatch(Cmd::BackgroundColor);
    };
    Program().canvasBackground = Qt::black;
    choose(nullptr, QDialogButtonBox::Ok);
    EXPECT_EQ(Program().canvasBackground, QColor(129, 192, 245));

    choose("swatch1012", QDialogButtonBox::Ok);
    EXPECT_EQ(Program().canvasBackground, QColor(177, 100, 255));
    EXPECT_EQ(Setting(SettingsKey::BackgroundColor), QString::number(177 | 100 << 8 | 255 << 16));
    choose("swatch1093", QDialogButtonBox::Cancel);
    EXPECT_EQ(Program().canvasBackground, QColor(177, 100, 255));

    m_home.ReopenSettings();
    Program().canvasBackground = Qt::black;
    Program().LoadCenterSettings(m_home.Settings());
    EXPECT_EQ(Program().canvasBackground, QColor(177, 100, 255));
}

// Nothing listens on port 1: the connection is refused at once.
const char* kRefusedServer = "postgresql://office@127.0.0.1:1/wrn";

TEST_F(SettingsDialogsTest, DatabaseOnAServerIsTestedWithoutWaitingStoredAndBackOnThisComputerRead)
{
    // The records go back to this computer however the test ends.
    const auto restore = qScopeGuard([] { RecordsDatabase::Shared().UseLocation({}); });
    ScriptNextDialog([](QDialog& dialog) {
        auto* host = Find<QLineEdit>(dialog, "host");
        EXPECT_FALSE(host->isEnabled());
        Find<QRadioButton>(dialog, "onServer")->click();
        EXPECT_TRUE(host->isEnabled());
        Fill(dialog, "host", QStringLiteral("127.0.0.1"));
        Find<QSpinBox>(dialog, "port")->setValue(1);
        Fill(dialog, "database", QStringLiteral("wrn"));
        Fill(dialog, "user", QStringLiteral("office"));
        Fill(dialog, "password", QStringLiteral("pw"));
        auto* test = Find<QPushButton>(dialog, "testConnection");
        test->click();
        EXPECT_FALSE(test->isEnabled());
        auto* answer = Find<QLabel>(dialog, "answer");
        EXPECT_TRUE(QTest::qWaitFor([test] { return test->isEnabled(); }, 20000));
        EXPECT_TRUE(answer->text().contains(QStringLiteral("wrn on 127.0.0.1:1 as office cannot be reached")))
            << answer->text().toStdString();
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::ViewChildCenter);
    Frame().Dispatch(Cmd::Database);
    EXPECT_EQ(DatabaseSettings::Load(m_home.Settings()),
              (DatabaseSettings{QLatin1String(kRefusedServer), QStringLiteral("pw")}));
    EXPECT_EQ(RecordsDatabase::Shared().Location().Url(), QLatin1String(kRefusedServer));
    // The child center's records are not shown, nor any form to type them into.
    CenterStack& centers = *Frame().Container();
    EXPECT_TRUE(centers.Notice()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return centers.Notice()->Text().contains(QStringLiteral("cannot be reached"));
    }, 20000)) << centers.Notice()->Text().toStdString();
    EXPECT_EQ(Fake(Center::ChildCenter).shownCount, 0);

    ScriptNextDialog([](QDialog& dialog) {
        EXPECT_EQ(Field(dialog, "host"), QStringLiteral("127.0.0.1"));
        Find<QRadioButton>(dialog, "thisComputer")->click();
        EXPECT_FALSE(Find<QLineEdit>(dialog, "host")->isEnabled());
        Press(dialog, QDialogButtonBox::Ok);
    });
    Frame().Dispatch(Cmd::Database);
    EXPECT_EQ(DatabaseSettings::Load(m_home.Settings()), DatabaseSettings());
    EXPECT_FALSE(centers.Notice()->isVisible());
    EXPECT_TRUE(Fake(Center::ChildCenter).isVisible());
    EXPECT_EQ(Fake(Center::ChildCenter).shownCount, 1);
    EXPECT_TRUE(Prompt().Texts().isEmpty());
}

} // namespace
