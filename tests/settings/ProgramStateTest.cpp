#include "settings/ProgramState.h"
#include "settings/SettingsKeys.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(ProgramStateTest, StartupReadsSettingsAddressBookAndCounterAndMakesFoldersKeepingPhotos)
{
    TempHome home;
    home.Settings().WriteString(QStringLiteral("EMAILSETTING"), QStringLiteral("EMAILSUBJECT"),
                                QStringLiteral("Our week"));
    home.Settings().WriteInt(QStringLiteral("General"), QStringLiteral("GlobalObjectID"), 17);

    QByteArray record(610, '\0');
    record[0] = 'A';
    record[100] = 'a';
    record[102] = '@';
    QFile book(home.FilePath(QStringLiteral("book.dat")));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write(record);
    book.close();

    Program().LoadStartupSettings(home.Settings(), book.fileName());
    EXPECT_EQ(Program().email.subject, QStringLiteral("Our week"));
    EXPECT_EQ(Program().objectIds.Value(), 17u);
    ASSERT_EQ(Program().addressBook.size(), 1);
    EXPECT_EQ(Program().addressBook.first().address, QStringLiteral("a@"));

    const QString root = PhotoLibrary::DefaultRoot(home.Path());
    ASSERT_TRUE(QDir().mkpath(QDir(root).filePath(QStringLiteral("AAA"))));
    QFile photo(QDir(root).filePath(QStringLiteral("AAA/party.jpg")));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.write("jpeg bytes");
    photo.close();

    ASSERT_TRUE(PhotoLibrary::EnsureStandardFolders(root));
    EXPECT_TRUE(QDir(QDir(root).filePath(QStringLiteral("ZZZ"))).exists());
    ASSERT_TRUE(photo.open(QIODevice::ReadOnly));
    EXPECT_EQ(photo.readAll(), QByteArray("jpeg bytes"));
}

} // namespace
