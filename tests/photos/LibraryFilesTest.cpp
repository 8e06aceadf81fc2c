#include "photos/LibraryFiles.h"

#include "LibraryFolder.h"
#include "support/ScopedEnvironment.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

using namespace LibraryFiles;

TEST(NameProblemTest, RefusesOnlyWhatCannotBeAName)
{
    for (const char* name : {"Mia's class", "Family \xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA7"})
        EXPECT_EQ(NameProblem(S(name)), QString()) << name;
    EXPECT_EQ(NameProblem(S("a\\b")), S("A name cannot contain / or \\."));
    const QString names[] = {QString(), S(".."), S("a\tb"), QString(QChar(0xD800)),
                             QString(300, QLatin1Char('a'))};
    for (const QString& name : names)
        EXPECT_FALSE(NameProblem(name).isEmpty()) << name.toStdString();
}

// Copy and move share their rules; only what becomes of the source differs.
const struct
{
    const char* name;
    bool (*run)(const QString&, const QString&, bool);
    bool keepsSource;
} kTransfers[] = {{"copy", &CopyFile, true}, {"move", &MoveFile, false}};

TEST(CopyAndMoveTest, ExistingTargetIsReplacedOnlyWhenAskedKeepingTheModificationTime)
{
    const QDateTime old(QDate(2020, 1, 2), QTime(3, 4, 5));
    for (const auto& transfer : kTransfers) {
        SCOPED_TRACE(transfer.name);
        LibraryFolder folder;
        const QString from = folder.Write(S("a.jpg"), "new");
        QFile source(from);
        ASSERT_TRUE(source.open(QIODevice::ReadWrite));
        ASSERT_TRUE(source.setFileTime(old, QFileDevice::FileModificationTime));
        const QString to = folder.Write(S("sub/a.jpg"), "old");
        EXPECT_FALSE(transfer.run(from, to, false));
        EXPECT_EQ(folder.Read(S("sub/a.jpg")), "old");
        EXPECT_TRUE(transfer.run(from, to, true));
        EXPECT_EQ(folder.Read(S("sub/a.jpg")), "new");
        EXPECT_EQ(QFileInfo(to).lastModified(), old);
        EXPECT_EQ(QFileInfo::exists(from), transfer.keepsSource);
        EXPECT_EQ(folder.Entries(S("sub")), QStringList{S("a.jpg")});
    }
}

TEST(CopyAndMoveTest, FailureKeepsTheSourceAndLeavesNothingBehind)
{
    for (const auto& transfer : kTransfers) {
        for (const bool replace : {false, true}) {
            SCOPED_TRACE(transfer.name);
            LibraryFolder folder;
            const QString from = folder.Write(S("a.jpg"), "photo");
            folder.MakeFolder(S("taken.jpg"));
            EXPECT_FALSE(transfer.run(from, folder.Path(S("missing/a.jpg")), replace));
            EXPECT_FALSE(transfer.run(from, folder.Path(S("taken.jpg")), replace));
            EXPECT_FALSE(transfer.run(from, folder.Path(S("sub/../a.jpg")), replace));
            EXPECT_FALSE(transfer.run(folder.Path(S("no.jpg")), folder.Path(S("b.jpg")), replace));
            EXPECT_EQ(folder.Read(S("a.jpg")), "photo");
            EXPECT_EQ(folder.Entries(), (QStringList{S("a.jpg"), S("taken.jpg")}));
            EXPECT_TRUE(folder.Entries(S("taken.jpg")).isEmpty());
        }
    }
}

TEST(PasteFilesTest, CopyPasteReplacesFilesOfTheSameNameButKeepsThemInTheirOwnFolder)
{
    LibraryFolder folder;
    const QString a = folder.Write(S("from/a.jpg"), "new a");
    const QString b = folder.Write(S("from/b.jpg"), "new b");
    folder.Write(S("to/a.jpg"), "old a");
    const PasteResult result = PasteFiles({a, b, folder.Path(S("from/gone.jpg"))},
                                           folder.Path(S("to")), false);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(folder.Read(S("to/a.jpg")), "new a");
    EXPECT_EQ(folder.Read(S("from/a.jpg")), "new a");

    for (const bool move : {true, false}) {
        const PasteResult own = PasteFiles({a, b}, folder.Path(S("from")), move);
        EXPECT_EQ(own.skipped, 2);
        EXPECT_EQ(own.done + own.failed, 0);
    }
    EXPECT_EQ(folder.Read(S("from/a.jpg")), "new a");
}

TEST(ImportPhotosTest, KeepsExistingFilesSkipsShortNamesAndCancels)
{
    LibraryFolder folder;
    const QStringList files{folder.Write(S("card/a.jp"), "short"),
                            folder.Write(S("card/kept.jpg"), "card"),
                            folder.Write(S("card/new.jpg"), "card"),
                            folder.Write(S("card/late.jpg"), "card")};
    folder.Write(S("class/kept.jpg"), "library");
    QList<int> calls;
    const int copied = ImportPhotos(files, folder.Path(S("class")), [&](int done, int total) {
        calls << done * 10 + total;
        return done < 3;
    });
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(calls, (QList<int>{14, 24, 34}));
    EXPECT_EQ(folder.Entries(S("class")), (QStringList{S("kept.jpg"), S("new.jpg")}));
    EXPECT_EQ(folder.Read(S("class/kept.jpg")), "library");
}

TEST(ExportFolderTest, CopiesTheFolderRecursivelyWithoutDotNamesAndEndsIntoItself)
{
    LibraryFolder folder;
    folder.Write(S("AAA/a.jpg"), "a");
    folder.Write(S("AAA/.thumbs"), "t");
    folder.Write(S("AAA/.cache/c.jpg"), "c");
    folder.Write(S("AAA/Mia/m.jpg"), "m");
    folder.MakeFolder(S("AAA/Empty"));
    int lastTotal = 0;
    QString created;
    ASSERT_TRUE(ExportFolder(folder.Path(S("AAA")), folder.MakeFolder(S("usb")), &created,
                             [&](int, int total) {
                                 lastTotal = total;
                                 return true;
                             }));
    EXPECT_EQ(lastTotal, 2);
    EXPECT_EQ(folder.Entries(S("usb/AAA")), (QStringList{S("Empty"), S("Mia"), S("a.jpg")}));
    EXPECT_EQ(folder.Read(S("usb/AAA/Mia/m.jpg")), "m");

    EXPECT_TRUE(ExportFolder(folder.Path(S("usb/AAA/Mia")), folder.Path(S("usb/AAA/Mia"))));
    EXPECT_EQ(folder.Entries(S("usb/AAA/Mia/Mia")), QStringList{S("m.jpg")});
}

TEST(CreateNewsletterTest, NeverTruncatesAnExistingDocument)
{
    LibraryFolder folder;
    EXPECT_EQ(CreateNewsletter(folder.Path()), folder.Path(S("Untitled.wrn")));
    EXPECT_EQ(QFileInfo(folder.Path(S("Untitled.wrn"))).size(), 0);
    folder.Write(S("Untitled.wrn"), "my newsletter");
    EXPECT_EQ(CreateNewsletter(folder.Path()), folder.Path(S("Untitled_2.wrn")));
    EXPECT_EQ(folder.Read(S("Untitled.wrn")), "my newsletter");
    EXPECT_EQ(CreateNewsletter(folder.Path(S("missing"))), QString());
}

// The freedesktop wastebasket is found through HOME and XDG_DATA_HOME.
TEST(DiscardTest, DeletedPhotosGoToTheWastebasketWhereThereIsOneElseTheyAreDeleted)
{
    LibraryFolder folder;
    const QByteArray home = QFile::encodeName(folder.MakeFolder(S("home")));
    const ScopedEnvironment homeVariable("HOME", home);
    {
        const ScopedEnvironment data("XDG_DATA_HOME", home + "/data");
        const QString photo = folder.Write(S("AAA/a.jpg"), "a");
        ASSERT_TRUE(HasTrash());
        EXPECT_EQ(Discard(photo), Discarded::Trashed);
        EXPECT_EQ(folder.Entries(S("AAA")), QStringList());
        EXPECT_EQ(folder.Read(S("home/data/Trash/files/a.jpg")), "a");
        EXPECT_EQ(Discard(folder.MakeFolder(S("AAA/sub"))), Discarded::Failed);
        EXPECT_TRUE(QFileInfo(folder.Path(S("AAA/sub"))).isDir());
    }
    // A data folder that cannot be made: there is no wastebasket.
    const QByteArray blocked = QFile::encodeName(folder.Write(S("file"), "x"));
    const ScopedEnvironment data("XDG_DATA_HOME", blocked + "/data");
    const QString photo = folder.Write(S("BBB/b.jpg"), "b");
    ASSERT_FALSE(HasTrash());
    EXPECT_EQ(Discard(photo), Discarded::Deleted);
    EXPECT_EQ(folder.Entries(S("BBB")), QStringList());
    EXPECT_EQ(folder.Entries(), (QStringList{S("AAA"), S("BBB"), S("file"), S("home")}));
}

TEST(FolderNamesTest, RenameNeverReplaces)
{
    LibraryFolder folder;
    const QString a = folder.Write(S("a.jpg"), "a");
    const QString b = folder.Write(S("b.jpg"), "b");
    EXPECT_FALSE(RenameEntry(a, b));
    EXPECT_EQ(folder.Read(S("b.jpg")), "b");
    EXPECT_FALSE(RenameEntry(a, folder.Path(S("sub/c.jpg"))));   // out of its folder
    EXPECT_TRUE(RenameEntry(a, folder.Path(S("c.jpg"))));
    EXPECT_TRUE(RenameEntry(folder.MakeFolder(S("Mia")), folder.Path(S("Mia R"))));
    EXPECT_EQ(folder.Entries(), (QStringList{S("Mia R"), S("b.jpg"), S("c.jpg")}));
}

} // namespace
