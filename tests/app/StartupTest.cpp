#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "app/Application.h"
#include "settings/StartOptions.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/objects/WrnDocument.h"
#include "photos/view/LibraryTree.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QDir>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

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
    EXPECT_EQ(Program().programDir, QDir::cleanPath(m_home.Path()));
    EXPECT_EQ(Frame().Tree()->RootPath(), Pictures());
    EXPECT_EQ(Frame().Container()->CurrentCenter(), Center::StartPage);
    EXPECT_TRUE(m_home.Prompt().Messages().isEmpty());
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
// selected; one that is missing or damaged leaves the program running and says why.
TEST(StartupPage, OpensInTheEditCenterOrIsReportedWhenMissingOrDamaged)
{
    struct Case
    {
        const char* name;
        const char* folder;    // under Pictures, or the home folder when empty
        const char* contents;  // nullptr: a sound page; "": no file at all
        const char* told;      // in the one message, or nullptr for none
    };
    const Case cases[] = {{"Trip.wrn", "AAA", nullptr, nullptr},
                          {"Outside.wrn", "", nullptr, nullptr},
                          {"Gone.wrn", "AAA", "", "does not exist"},
                          {"Torn.wrn", "AAA", "not a page at all", "Torn.wrn"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempHome home;
        const QString folder = *c.folder
            ? QDir(home.Path()).filePath(QStringLiteral("Pictures/") + QLatin1String(c.folder)) : home.Path();
        QDir().mkpath(folder);
        const QString page = QDir(folder).filePath(QLatin1String(c.name));
        if (!c.contents) {
            ASSERT_TRUE(SaveDocument(page, WrnPage{}, {}));
        } else if (*c.contents) {
            QFile torn(page);
            ASSERT_TRUE(torn.open(QIODevice::WriteOnly));
            torn.write(c.contents);
        }
        Application app;
        StartOptions options;
        options.home = home.Path();
        options.noSplash = true;
        options.page = page;
        ASSERT_TRUE(app.InitInstance(options));
        const QList<ScriptedPrompt::Shown>& told = home.Prompt().Messages();
        if (c.told) {
            ASSERT_EQ(told.size(), 1);
            EXPECT_TRUE(told.first().text.contains(QLatin1String(c.told))) << told.first().text.toStdString();
            EXPECT_TRUE(app.Document().IsUntitled());
            continue;
        }
        EXPECT_TRUE(told.isEmpty());
        EXPECT_EQ(app.Document().Path(), page);
        EXPECT_EQ(app.MainFrame()->Container()->CurrentCenter(), Center::EditCenter);
        EXPECT_EQ(app.MainFrame()->Tree()->CurrentFolder(), *c.folder ? folder : QString());
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

} // namespace
