#include "settings/RecentFolderList.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

QString Folder(int n)
{
    return QStringLiteral("/photos/%1").arg(n);
}

TEST(RecentFoldersTest, NinthFolderReplacesTheEighth)
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
}

TEST(RecentFoldersTest, CountKeyDependsOnHowTheFolderWasOpened)
{
    TempHome home;
    RecentFolderList recent;
    recent.Add(Folder(1));
    recent.Add(Folder(2));
    recent.Write(home.Settings(), RecentFolderList::Source::OpenFolderCommand);
    EXPECT_EQ(home.Settings().GetString(QStringLiteral("SETTINGS"), QStringLiteral("RECENTFOLDER1")),
              Folder(1));
    EXPECT_EQ(home.Settings().GetInt(QStringLiteral("SETTINGS"), QStringLiteral("RECENTFOLDERNO"), -1), 2);
    EXPECT_FALSE(home.Settings().Contains(QStringLiteral("SETTINGS"), QStringLiteral("RECENTFOLDERS")));

    recent.Add(Folder(3));
    recent.Write(home.Settings(), RecentFolderList::Source::OpenRequest);
    EXPECT_EQ(home.Settings().GetInt(QStringLiteral("SETTINGS"), QStringLiteral("RECENTFOLDERS"), -1), 3);
    // The other count is left as it was, never deleted.
    EXPECT_EQ(home.Settings().GetInt(QStringLiteral("SETTINGS"), QStringLiteral("RECENTFOLDERNO"), -1), 2);
}

} // namespace
