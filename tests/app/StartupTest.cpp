#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "app/Application.h"
#include "settings/StartOptions.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "app/RecordsNotice.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/objects/WrnDocument.h"
#include "photos/view/LibraryTree.h"
#include "records/RecordsDatabase.h"
#include "settings/DatabaseSettings.h"
#include "widgets/ActionRegistry.h"
#include "platform/SettingsStore.h"
#include "sample/PageMaterials.h"
#include "support/RecordsEngines.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QDir>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QAction>
#include <QScopeGuard>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <tuple>

namespace {

class StartupTest : public ::testing::Test
{
protected:
    bool Start(const QString& folder = QString())
    {
        StartOptions options;
        options.home = m_home.Path();
        options.noSplash = true;
        options.folder = folder;
        return m_app.InitInstance(options);
    }
    MainWindow& Frame() { return *m_app.MainFrame(); }
    QString Pictures() const { return QDir(m_home.Path()).filePath(QStringLiteral("Pictures")); }
    int SettingsInt(const char* key)
    {
        return m_home.Settings().GetInt(QStringLiteral("SETTINGS"), QLatin1String(key), -1);
    }

    TempHome m_home;
    Application m_app;
};

TEST_F(StartupTest, FirstRunMakesTheLibraryAndShowsTheStartPageAlone)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(QDir(Pictures() + QStringLiteral("/AAA")).exists());
    EXPECT_EQ(QDir(Pictures() + QStringLiteral("/ZZZ")).entryList(QDir::Files).size(),
              PageMaterials::FileNames().size());
    EXPECT_EQ(Program().programDir, QDir::cleanPath(m_home.Path()));
    EXPECT_EQ(Frame().Tree()->RootPath(), Pictures());
    EXPECT_EQ(Frame().Container()->CurrentCenter(), Center::StartPage);
    EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
}

TEST_F(StartupTest, AFolderWithItsOwnSettingsIsRunOnThem)
{
    m_home.Settings().WriteString(QStringLiteral("SETTING"),
                                  QStringLiteral("CHILDCARECENTERNAME"), QStringLiteral("User's"));
    QSettings(SettingsStore::FolderFile(m_home.Path()), QSettings::IniFormat)
        .setValue(QStringLiteral("SETTING/CHILDCARECENTERNAME"), QStringLiteral("Folder's"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(Program().centerInfo.name, QStringLiteral("Folder's"));
}

TEST_F(StartupTest, ConfiguredRootIsShownButNotLaidOut)
{
    const QString elsewhere = m_home.FilePath(QStringLiteral("Elsewhere"));
    m_home.Settings().WriteString(QStringLiteral("SETTING"), QStringLiteral("ROOTDIRECTORY"), elsewhere);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Program().picturesRoot, elsewhere);
    EXPECT_FALSE(QDir(elsewhere).exists());
}

TEST_F(StartupTest, FolderOnTheCommandLineOpensOnceTheWindowIsUp)
{
    const QString photos = m_home.FilePath(QStringLiteral("Class of 2026"));
    ASSERT_TRUE(QDir().mkpath(photos));
    ASSERT_TRUE(Start(photos));
    EXPECT_EQ(Program().picturesRoot, photos);
    EXPECT_EQ(Frame().Tree()->RootPath(), photos);
    EXPECT_EQ(Frame().Container()->CurrentCenter(), Center::EditCenter);
    EXPECT_EQ(SettingsInt("RECENTFOLDERS"), 1);
}

TEST_F(StartupTest, MissingFolderOnTheCommandLineIsReportedAndIgnored)
{
    ASSERT_TRUE(Start(m_home.FilePath(QStringLiteral("no such folder"))));
    EXPECT_EQ(Program().picturesRoot, Pictures());
    EXPECT_EQ(Frame().Container()->CurrentCenter(), Center::StartPage);
    ASSERT_EQ(m_home.Prompt().Messages().size(), 1);
    EXPECT_TRUE(m_home.Prompt().Messages().first().text.contains(QStringLiteral("does not exist")));
}

// A page named on the command line opens in the Edit Center with its library folder
// selected; one that is missing or damaged is reported and the program runs on.
TEST(StartupPage, OpensInTheEditCenterOrIsReportedWhenMissingOrDamaged)
{
    // The page in the home folder, its bytes (nullptr: a sound page), what is told.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Pictures/AAA/Trip.wrn", nullptr, ""}, {"Outside.wrn", nullptr, ""},
        {"Pictures/AAA/Gone.wrn", "", "does not exist"}, {"Torn.wrn", "not a page", "Torn.wrn"}};
    for (const auto& [name, bytes, told] : cases) {
        SCOPED_TRACE(name);
        TempHome home;
        const QString page = home.FilePath(QLatin1String(name));
        QDir().mkpath(QFileInfo(page).path());
        QFile file(page);
        if (!bytes) {
            ASSERT_TRUE(SaveDocument(page, WrnPage{}, {}));
        } else if (*bytes) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
        }
        file.close();
        StartOptions options;
        options.home = home.Path();
        options.noSplash = true;
        options.page = page;
        Application app;
        ASSERT_TRUE(app.InitInstance(options));
        const QList<ScriptedPrompt::Shown>& messages = home.Prompt().Messages();
        ASSERT_EQ(messages.size(), *told ? 1 : 0);
        if (*told) {
            EXPECT_TRUE(messages.first().text.contains(QLatin1String(told)));
            EXPECT_TRUE(app.Document().IsUntitled());
            continue;
        }
        EXPECT_EQ(app.Document().Path(), page);
        EXPECT_EQ(app.MainFrame()->Container()->CurrentCenter(), Center::EditCenter);
        EXPECT_EQ(app.MainFrame()->Tree()->CurrentFolder(),
                  page.contains(QLatin1String("AAA")) ? QFileInfo(page).path() : QString());
    }
}

TEST_F(StartupTest, ApplicationFolderThatCannotBeWrittenEndsTheStart)
{
    QFile blocker(m_home.FilePath(QStringLiteral("a file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    StartOptions options;
    options.home = blocker.fileName();
    options.noSplash = true;
    EXPECT_FALSE(m_app.InitInstance(options));
    EXPECT_EQ(m_app.MainFrame(), nullptr);
    EXPECT_EQ(m_home.Prompt().Messages().size(), 1);
}

TEST_F(StartupTest, OpenFolderMakesTheChosenFolderTheRoot)
{
    ASSERT_TRUE(Start());
    const QString chosen = m_home.FilePath(QStringLiteral("Term 2"));
    QDir().mkpath(chosen);
    m_home.Prompt().QueueFolder(chosen);
    Frame().Dispatch(Cmd::OpenFolder);
    EXPECT_EQ(Program().picturesRoot, chosen);
    EXPECT_EQ(Frame().Container()->CurrentCenter(), Center::EditCenter);
    EXPECT_EQ(SettingsInt("RECENTFOLDERNO"), 1);

    // Cancelling the folder browser changes nothing.
    Frame().Dispatch(Cmd::ViewStaffCenter);
    Frame().Dispatch(Cmd::OpenFolder);
    EXPECT_EQ(Program().picturesRoot, chosen);
    EXPECT_EQ(Frame().Container()->CurrentCenter(), Center::StaffCenter);
    EXPECT_EQ(Program().recentFolders.Entries().size(), 1);
}

TEST_F(StartupTest, FolderDroppedOnTheWindowBecomesTheRoot)
{
    ASSERT_TRUE(Start());
    const QString dropped = m_home.FilePath(QStringLiteral("Dropped"));
    QDir().mkpath(dropped);
    QFile photo(m_home.FilePath(QStringLiteral("photo.jpg")));
    photo.open(QIODevice::WriteOnly);
    photo.close();

    const auto drop = [this](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Frame(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Frame(), &drop);
    };

    drop(photo.fileName());   // a file is no photo library
    EXPECT_EQ(Program().picturesRoot, Pictures());

    drop(dropped);
    EXPECT_EQ(Program().picturesRoot, dropped);
    EXPECT_EQ(Frame().Container()->CurrentCenter(), Center::EditCenter);
    EXPECT_EQ(SettingsInt("RECENTFOLDERS"), 1);
}

TEST_F(StartupTest, StoredRecordsThatCannotBeReachedLeaveTheWindowOpenAndTheRecordsCentersSayWhy)
{
    const auto restore = qScopeGuard([] { RecordsDatabase::Shared().UseLocation({}); });
    const std::pair<const char*, const char*> stored[] = {
        {"postgresql://office@127.0.0.1:1/wrn", "wrn on 127.0.0.1:1 as office cannot be reached"},
        {"mysql://office@db/wrn", "stored records address cannot be used"}};
    for (const auto& [url, why] : stored) {
        SCOPED_TRACE(url);
        Application app;
        DatabaseSettings{QLatin1String(url), {}}.Save(m_home.Settings());
        StartOptions options;
        options.home = m_home.Path();
        options.noSplash = true;
        ASSERT_TRUE(app.InitInstance(options));
        MainWindow& frame = *app.MainFrame();
        EXPECT_TRUE(frame.isVisible());
        // Said where it does not stop anyone.
        const auto* state = frame.statusBar()->findChild<QLabel*>(QStringLiteral("recordsState"));
        ASSERT_NE(state, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return state->text().contains(QLatin1String(why)); }, 20000))
            << state->text().toStdString();
        for (const int view : {Cmd::ViewChildCenter, Cmd::ViewFamilyCenter, Cmd::ViewStaffCenter,
                               Cmd::ViewReports}) {
            frame.Dispatch(view);
            const RecordsNotice* notice = frame.Container()->Notice();
            EXPECT_TRUE(notice->isVisible()) << view;
            EXPECT_TRUE(notice->Text().startsWith(QStringLiteral("The records are unavailable.")));
            EXPECT_TRUE(notice->Text().contains(QLatin1String(why)));
            EXPECT_FALSE(frame.Actions().Action(Cmd::FileSave)->isEnabled()) << view;
        }
        EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
    }
}


// Statements a database administrator would run, on the server's maintenance database.
void AdministerServer(const DatabaseLocation& of, const QString& sql)
{
    const QString name = QStringLiteral("test-admin");
    {
        const auto admin = DatabaseLocation::Server(of.Host(), of.Port(), QStringLiteral("postgres"),
                                                    of.User(), of.Password());
        QSqlQuery query(RecordsDatabase::Connect(name, admin, {}, RecordsDatabase::Access::Write));
        EXPECT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    }
    RecordsDatabase::Disconnect(name);
}

TEST_F(StartupTest, ARecordsServerThatGoesAwayMidwayIsNoticedAndTheRecordsComeBackWithIt)
{
    ServerRecords server;
    if (!server.SkipReason().isEmpty())
        GTEST_SKIP() << server.SkipReason().toStdString();
    EnsureRecordsDatabase();
    const DatabaseLocation location = server.Location();
    const QString database = location.Database();
    const auto allow = [&](bool yes) {
        AdministerServer(location, QStringLiteral("ALTER DATABASE %1 ALLOW_CONNECTIONS %2")
                                       .arg(database, yes ? QStringLiteral("true") : QStringLiteral("false")));
    };
    const auto reopen = qScopeGuard([&] { allow(true); });

    Application app;
    StartOptions options;
    options.home = m_home.Path();
    options.noSplash = true;
    options.database = location.Url(true);
    ASSERT_TRUE(app.InitInstance(options));
    MainWindow& frame = *app.MainFrame();
    frame.Dispatch(Cmd::ViewChildCenter);
    const RecordsNotice* notice = frame.Container()->Notice();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notice->isVisible(); }, 20000));
    const auto lookAtTheRecords = [] {
        RecordsDatabase::Shared().Open(QString());
        QSqlQuery query(RecordsDatabase::Shared().Connection());
        RecordsDatabase::Prepare(query, QStringLiteral("SELECT 1"));
        RecordsDatabase::Exec(query);
    };
    ASSERT_TRUE(ReportDatabaseErrors(lookAtTheRecords));

    // The server ends every connection to the records and lets no new one in.
    allow(false);
    AdministerServer(location, QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                              "WHERE datname = '%1'").arg(database));
    EXPECT_FALSE(ReportDatabaseErrors(lookAtTheRecords));
    EXPECT_EQ(m_home.Prompt().Messages().size(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }, 20000));
    EXPECT_TRUE(notice->Text().startsWith(QStringLiteral("The records are unavailable.")));
    EXPECT_FALSE(frame.Actions().Action(Cmd::ChildAdd)->isEnabled());

    // Back again: showing a records center tries at once, and the dropped connection is
    // made anew.
    allow(true);
    frame.Dispatch(Cmd::ViewStaffCenter);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !notice->isVisible(); }, 20000));
    EXPECT_TRUE(ReportDatabaseErrors(lookAtTheRecords));
    EXPECT_EQ(m_home.Prompt().Messages().size(), 1);
}

} // namespace
