#include "photos/PhotoLibraryLayout.h"
#include "platform/SettingsStore.h"
#include "settings/DatabaseSettings.h"
#include "settings/KeptSecret.h"
#include "settings/ObjectIdCounter.h"
#include "settings/ProgramSettings.h"
#include "settings/ProgramState.h"
#include "settings/RecentFolderList.h"
#include "settings/SettingsKeys.h"
#include "settings/StartOptions.h"
#include "support/DatabaseFile.h"
#include "support/MemoryKeyring.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString K(const char* key)
{
    return QString::fromLatin1(key);
}

// The settings file of a fresh application folder.
class SettingsTest : public ::testing::Test
{
protected:
    SettingsStore& Store() const { return m_home.Settings(); }
    int Int(const char* section, const char* key) const { return Store().GetInt(K(section), K(key), -1); }

    TempHome m_home;
};

TEST_F(SettingsTest, EachObjectIdentifierIsOneMoreThanTheLastAcrossRunsAndWraps)
{
    ObjectIdCounter firstRun;
    firstRun.Load(Store());
    EXPECT_EQ(firstRun.Next(Store()), QStringLiteral("2"));

    // The program ends without writing anything at exit; the next run goes on.
    m_home.ReopenSettings();
    ObjectIdCounter secondRun;
    secondRun.Load(Store());
    EXPECT_EQ(secondRun.Next(Store()), QStringLiteral("3"));
    EXPECT_EQ(Int("General", "GlobalObjectID"), 3);

    // The counter wraps as a 32-bit integer.
    Store().WriteInt(K("General"), K("GlobalObjectID"), 2147483647);
    ObjectIdCounter ids;
    ids.Load(Store());
    EXPECT_EQ(ids.Next(Store()), QStringLiteral("-2147483648"));
}

TEST(ProgramSettingsTest, RateAndStartTimeTextsAreReadOrRefused)
{
    // An overflowing or non-finite text is no rate at all.
    const std::pair<const char*, double> rates[] = {
        {"abc", 0}, {" 66.66 ", 66.66}, {"12abc", 12}, {"1e999", 0}, {"nan", 0}};
    for (const auto& [text, rate] : rates)
        EXPECT_DOUBLE_EQ(RateFromText(K(text)), rate) << text;

    EXPECT_EQ(ParseStartTime(QString()), (StartTime{13, 30}));
    EXPECT_EQ(ParseStartTime(QStringLiteral(" 7 : 45 ")), (StartTime{7, 45}));
    EXPECT_EQ(ParseStartTime(QStringLiteral("18")), (StartTime{18, 0}));
    for (const char* text : {"24:00", "12:60", "-1:30"})
        EXPECT_FALSE(ParseStartTime(K(text))) << text;
    EXPECT_EQ(FormatStartTime(13, 5), QStringLiteral("13:5"));
}

TEST_F(SettingsTest, SavedSettingsReadBackInAnotherRunAndTextToolDefaultsFromTheirSection)
{
    EmailSettings email;
    email.sender = QStringLiteral("office@example.org");
    email.startHour = 7;
    email.startMinute = 5;
    email.ssl = false;
    email.useEmailService = false;
    email.Save(Store());

    CenterInfo info{QStringLiteral("Little O'Brien's"), QStringLiteral("555"),
                     QStringLiteral("1 Main St"), QStringLiteral("Ann"), QStringLiteral("x.org")};
    info.Save(Store());

    m_home.ReopenSettings();
    EXPECT_EQ(EmailSettings::Load(Store()), email);
    EXPECT_EQ(CenterInfo::Load(Store()), info);
    EXPECT_EQ(Int(SettingsKey::EmailSetting, SettingsKey::Ssl), 0);

    // Underline is read from the text tool's own section.
    Store().WriteInt(K(SettingsKey::TextInfo), K(SettingsKey::Underline), 1);
    EXPECT_FALSE(TextToolDefaults::Load(Store()).underline);
    Store().WriteInt(K(SettingsKey::TextTool), K(SettingsKey::Underline), 1);
    EXPECT_TRUE(TextToolDefaults::Load(Store()).underline);

    Store().WriteInt(K(SettingsKey::TextInfo), K(SettingsKey::Opacity), 40);
    EXPECT_DOUBLE_EQ(TextToolDefaults::Load(Store()).opacity, 0.4);
}

TEST_F(SettingsTest, StartupReadsSettingsAddressBookAndCounterAndMakesFoldersKeepingPhotos)
{
    Store().WriteString(K("EMAILSETTING"), K("EMAILSUBJECT"), QStringLiteral("Our week"));
    Store().WriteInt(K("General"), K("GlobalObjectID"), 17);

    QByteArray record(610, '\0');
    record[0] = 'A';
    record[100] = 'a';
    record[102] = '@';
    const QString book = WriteBytes(m_home.FilePath(QStringLiteral("book.dat")), record);
    Program().LoadStartupSettings(Store(), book);
    EXPECT_EQ(Program().email.subject, QStringLiteral("Our week"));
    EXPECT_EQ(Program().objectIds.Value(), 17u);
    ASSERT_EQ(Program().addressBook.size(), 1);
    EXPECT_EQ(Program().addressBook.first().address, QStringLiteral("a@"));

    const QDir root(PhotoLibrary::DefaultRoot(m_home.Path()));
    ASSERT_TRUE(root.mkpath(QStringLiteral("AAA")));
    const QString photo = WriteBytes(root.filePath(QStringLiteral("AAA/party.jpg")), "jpeg bytes");

    ASSERT_TRUE(PhotoLibrary::EnsureStandardFolders(root.path()));
    EXPECT_TRUE(root.exists(QStringLiteral("ZZZ")));
    EXPECT_EQ(BytesOf(photo), QByteArray("jpeg bytes"));
}

// A password as its settings dialog saves it and the next start loads it.
struct KeptPassword
{
    const char* name;
    const char* section;
    void (*save)(SettingsStore& store, const QString& password);
    QString (*load)(SettingsStore& store);
};

class KeptPasswordTest : public SettingsTest, public ::testing::WithParamInterface<KeptPassword>
{
protected:
    bool InSettingsFile(const QString& text) const
    {
        return BytesOf(m_home.SettingsFile()).contains(text.toUtf8());
    }
};

TEST_P(KeptPasswordTest, StaysInTheSettingsWithoutKeyringAndMovesIntoOneOnceThereIs)
{
    const KeptPassword& kept = GetParam();
    kept.save(Store(), QStringLiteral("plain-kept"));
    EXPECT_TRUE(InSettingsFile(QStringLiteral("plain-kept")));
    EXPECT_EQ(kept.load(Store()), QStringLiteral("plain-kept"));

    auto keyring = std::make_unique<MemoryKeyring>();
    MemoryKeyring& secrets = *keyring;
    InstallKeyring(std::move(keyring));
    EXPECT_EQ(kept.load(Store()), QStringLiteral("plain-kept"));
    EXPECT_FALSE(Store().Contains(K(kept.section), K(SettingsKey::Password)));
    EXPECT_EQ(secrets.values.size(), 1);

    // A new password goes straight to the keyring, and the next run finds it there.
    kept.save(Store(), QStringLiteral("s3cret-new"));
    EXPECT_FALSE(InSettingsFile(QStringLiteral("s3cret-new")));
    EXPECT_EQ(kept.load(Store()), QStringLiteral("s3cret-new"));
}

const KeptPassword kKeptPasswords[] = {
    {"Mail", SettingsKey::EmailSetting,
     [](SettingsStore& store, const QString& password) {
         EmailSettings email;
         email.password = password;
         email.Save(store);
         KeptSecret::MailPassword().Save(store, password);
     },
     [](SettingsStore& store) {
         EmailSettings email = EmailSettings::Load(store);
         KeptSecret::MailPassword().Load(store, email.password);
         return email.password;
     }},
    {"RecordsServer", SettingsKey::Database,
     [](SettingsStore& store, const QString& password) {
         DatabaseSettings{QStringLiteral("postgresql://office@db.example:5433/wrn"), password}
             .Save(store);
     },
     [](SettingsStore& store) {
         const DatabaseSettings loaded = DatabaseSettings::Load(store);
         EXPECT_EQ(loaded.url, QStringLiteral("postgresql://office@db.example:5433/wrn"));
         return loaded.password;
     }},
};
INSTANTIATE_TEST_SUITE_P(Passwords, KeptPasswordTest, ::testing::ValuesIn(kKeptPasswords),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, RecordsStayOnThisComputerUntilAServerIsStored)
{
    EXPECT_EQ(DatabaseSettings::Load(Store()), DatabaseSettings());
    DatabaseSettings{}.Save(Store());
    m_home.ReopenSettings();
    EXPECT_EQ(DatabaseSettings::Load(Store()), DatabaseSettings());
}

QString Folder(int n)
{
    return QStringLiteral("/photos/%1").arg(n);
}

TEST_F(SettingsTest, TheNinthRecentFolderReplacesTheEighthAndTheCountKeyDependsOnHowItWasOpened)
{
    RecentFolderList recent;
    for (int i = 1; i <= 9; ++i)
        recent.Add(Folder(i));
    ASSERT_EQ(recent.Entries().size(), 8);
    EXPECT_EQ(recent.Entries().at(6), Folder(7));
    EXPECT_EQ(recent.Entries().at(7), Folder(9));

    recent.Add(Folder(10));
    EXPECT_EQ(recent.Entries().at(7), Folder(10));

    // The same folder again is listed again.
    RecentFolderList twice;
    twice.Add(Folder(1));
    twice.Add(Folder(1));
    EXPECT_EQ(twice.Entries(), (QStringList{Folder(1), Folder(1)}));

    RecentFolderList written;
    written.Add(Folder(1));
    written.Add(Folder(2));
    written.Write(Store(), RecentFolderList::Source::OpenFolderCommand);
    EXPECT_EQ(Store().GetString(K("SETTINGS"), K("RECENTFOLDER1")), Folder(1));
    EXPECT_EQ(Int("SETTINGS", "RECENTFOLDERNO"), 2);
    EXPECT_FALSE(Store().Contains(K("SETTINGS"), K("RECENTFOLDERS")));

    written.Add(Folder(3));
    written.Write(Store(), RecentFolderList::Source::OpenRequest);
    EXPECT_EQ(Int("SETTINGS", "RECENTFOLDERS"), 3);
    // The other count is left as it was, never deleted.
    EXPECT_EQ(Int("SETTINGS", "RECENTFOLDERNO"), 2);
}

TEST(StartOptionsTest, ReadsEveryOptionAndOneFolderAndPageAndRefusesMistakesWithAReason)
{
    QString error;
    const auto options = ParseStartOptions({"--home", "/data", "--no-splash", "--quit-after-start",
                                            "/photos/2026", "Trip.WRN"}, &error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->home, QStringLiteral("/data"));
    EXPECT_TRUE(options->noSplash);
    EXPECT_TRUE(options->quitAfterStart);
    EXPECT_EQ(options->folder, QStringLiteral("/photos/2026"));
    EXPECT_EQ(options->page, QStringLiteral("Trip.WRN"));
    EXPECT_EQ(ParseStartOptions({"--home=/d"}, &error)->home, QStringLiteral("/d"));

    // Refused, naming the option where there is one.
    const std::pair<QStringList, const char*> mistakes[] = {
        {{"--home"}, "--home"}, {{"--home="}, ""}, {{"--frobnicate"}, "--frobnicate"},
        {{"/a", "/b"}, "folder"}, {{"a.wrn", "/b", "c.wrn"}, "page"}};
    for (const auto& [arguments, named] : mistakes) {
        error.clear();
        EXPECT_FALSE(ParseStartOptions(arguments, &error)) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(error.contains(K(named))) << error.toStdString();
    }
}

} // namespace
