#include "LibraryFolder.h"
#include "photos/LibraryFiles.h"
#include "photos/LibraryScan.h"
#include "photos/NaturalOrder.h"
#include "photos/PhotoFiles.h"
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

TEST(PasteFilesTest, CopyPasteReplacesFilesOfTheSameNameOnlyWhenToldButKeepsThemInTheirOwnFolder)
{
    LibraryFolder folder;
    const QString a = folder.Write(S("from/a.jpg"), "new a");
    const QString b = folder.Write(S("from/b.jpg"), "new b");
    folder.Write(S("to/a.jpg"), "old a");
    const PasteResult kept = PasteFiles({a, b}, folder.Path(S("to")), true, false);
    EXPECT_EQ(kept.skipped, 1);
    EXPECT_EQ(folder.Read(S("to/a.jpg")), "old a");
    EXPECT_EQ(folder.Read(S("from/a.jpg")), "new a");
    EXPECT_EQ(folder.Read(S("to/b.jpg")), "new b");

    const PasteResult result = PasteFiles({a, folder.Path(S("from/gone.jpg"))},
                                           folder.Path(S("to")), false, true);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(folder.Read(S("to/a.jpg")), "new a");
    EXPECT_EQ(folder.Read(S("from/a.jpg")), "new a");

    for (const bool move : {true, false}) {
        const PasteResult own = PasteFiles({a, b}, folder.Path(S("from")), move, true);
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


const QString kList = QString::fromLatin1(PhotoFiles::kListExtensions);

TEST(PhotoFilesTest, ExtensionIsASubstringOfTheList)
{
    for (const char* name : {"a.jpg", "a.pg", "a.G;b", "a.txt.png", "jpg"})
        EXPECT_TRUE(PhotoFiles::IsPhoto(QString::fromLatin1(name), kList)) << name;
    for (const char* name : {"a.jpeg", "a.Jpg", "a.png.txt", "photo", ".jpg", ".a.png"})
        EXPECT_FALSE(PhotoFiles::IsPhoto(QString::fromLatin1(name), kList)) << name;
}

TEST(PhotoFilesTest, ListHoldsThePhotosDirectlyInTheFolderByNameWithoutCase)
{
    LibraryFolder folder;
    const QString path = folder.Write(QStringLiteral("b.jpg"), QByteArray(1000, 'b'));
    for (const char* name : {"a.pg", "A.png", "C.gif", "notes.txt", ".hidden.jpg",
                             "sub.jpg/inner.jpg"})
        folder.Write(QString::fromLatin1(name), "x");

    const auto photos = PhotoFiles::ListFolder(folder.Path(), kList);
    QStringList names;
    for (const auto& photo : photos)
        names << photo.name;
    ASSERT_EQ(names, (QStringList{QStringLiteral("a.pg"), QStringLiteral("A.png"),
                                  QStringLiteral("b.jpg"), QStringLiteral("C.gif")}));
    EXPECT_EQ(photos[2].path, path);
    EXPECT_EQ(photos[2].size, 1000u);
    EXPECT_TRUE(PhotoFiles::ListFolder(folder.Path(QStringLiteral("missing")), kList).empty());
}

TEST(PhotoFilesTest, NamesSortAsPeopleReadThemAndARenamedPhotoKeepsItsExtension)
{
    const NaturalOrder order;
    const char* ascending[] = {"IMG_9.jpg", "img_10.jpg", "Photo2.jpg", "photo11.jpg",
                               "photo11a.jpg"};
    for (size_t i = 0; i + 1 < std::size(ascending); ++i) {
        EXPECT_TRUE(order(S(ascending[i]), S(ascending[i + 1]))) << ascending[i];
        EXPECT_FALSE(order(S(ascending[i + 1]), S(ascending[i]))) << ascending[i];
    }
    // Names apart only in case still have an order, the same each time.
    EXPECT_NE(order.Compare(S("a.jpg"), S("A.jpg")), 0);
    EXPECT_EQ(order.Compare(S("a.jpg"), S("A.jpg")), -order.Compare(S("A.jpg"), S("a.jpg")));

    const struct
    {
        const char* old;
        const char* typed;
        const char* renamed;   // empty: refused
    } cases[] = {
        {"b.png", "swing", "swing.png"},
        {"b.png", "Swing.PNG", "Swing.png"},
        {"a.jpg", "Trip.2024", "Trip.2024.jpg"},
        {"a.jpg", "Mia.Lee", "Mia.Lee.jpg"},
        {"a.jpg", ".jpg", ""},   // hidden, out of the lists
        {"jpg", "mine", "mine"},
        {"a.jpg", "b.jpeg", ""},
    };
    for (const auto& c : cases) {
        QString problem;
        const QString renamed = PhotoFiles::RenamedFileName(S(c.old), S(c.typed), &problem);
        EXPECT_EQ(renamed, S(c.renamed)) << c.old << " / " << c.typed;
        EXPECT_EQ(problem.isEmpty(), renamed != QString()) << c.typed;
    }
}

TEST(PhotoFilesTest, SizeOfHugeFileKeepsItsLow32Bits)
{
    LibraryFolder folder;
    QFile file(folder.Write(QStringLiteral("huge.jpg"), {}));
    if (!file.resize((qint64(1) << 32) + 5))   // sparse where the disk allows
        GTEST_SKIP() << "the disk does not take a 4 GB file";
    const auto photos = PhotoFiles::ListFolder(folder.Path(), kList);
    file.remove();
    ASSERT_EQ(photos.size(), 1u);
    EXPECT_EQ(photos[0].size, 5u);
}

TEST(PhotoFilesTest, ColumnTexts)
{
    EXPECT_EQ(PhotoFiles::SizeText(1023), QStringLiteral("1023 Bytes"));
    EXPECT_EQ(PhotoFiles::SizeText(0xFFFFFFFFu), QStringLiteral("4194303 KB"));
    EXPECT_EQ(PhotoFiles::TypeText(QStringLiteral("a.jpeg")), QStringLiteral("PEG Image"));
    EXPECT_EQ(PhotoFiles::DateText(QDateTime()), QString());
}

// "F:name" or "D:name" for each child, in the tree's order.
QStringList Children(const LibraryNode& node)
{
    QStringList out;
    for (const LibraryNode& child : node.children)
        out << (child.kind == LibraryNode::Folder ? S("F:") : S("D:")) + child.name;
    return out;
}

// In natural order, numbers by their value, the root's children; deeper, the reverse.
TEST(LibraryScanTest, RootIsSortedAndDeeperLevelsAreReversed)
{
    LibraryFolder folder;
    // Folders end in a slash.
    for (const char* entry : {"zeta/a.wrn", "zeta/B/", "zeta/c.Wrn", "zeta/Trip 9/", "zeta/Trip 10/",
                              "Class 10/", "class 2/", "Alpha.WRN", "beta/", "gamma.wrn", "wrn",
                              ".hidden/", ".secret.wrn"}) {
        const QString path = S("Pictures/") + S(entry);
        path.endsWith(QLatin1Char('/')) ? folder.MakeFolder(path) : folder.Write(path, {});
    }

    const LibraryNode root = LibraryScan::Scan(folder.Path(S("Pictures")));
    EXPECT_EQ(Children(root), (QStringList{S("D:Alpha"), S("F:beta"), S("F:class 2"),
                                           S("F:Class 10"), S("D:gamma"), S("F:zeta")}));
    const LibraryNode& zeta = root.children.back();
    EXPECT_EQ(Children(zeta),
              (QStringList{S("F:Trip 10"), S("F:Trip 9"), S("D:c"), S("F:B"), S("D:a")}));
    EXPECT_EQ(zeta.children[2].path, folder.Path(S("Pictures/zeta/c.Wrn")));
}

TEST(LibraryScanTest, LinkBackIntoTheTreeIsNotFollowedAMissingRootHasNoChildrenAndDocumentsLoseTheirExtension)
{
    LibraryFolder folder;
    folder.Write(S("Pictures/a/x.wrn"), "");
    ASSERT_TRUE(QFile::link(folder.Path(S("Pictures")), folder.Path(S("Pictures/a/loop"))));
    const LibraryNode root = LibraryScan::Scan(folder.Path(S("Pictures")));
    ASSERT_EQ(Children(root), QStringList{S("F:a")});
    const LibraryNode& a = root.children[0];
    ASSERT_EQ(Children(a), (QStringList{S("D:x"), S("F:loop")}));
    EXPECT_TRUE(a.children[1].children.empty());
    EXPECT_TRUE(LibraryScan::Scan(folder.Path(S("gone"))).children.empty());

    EXPECT_FALSE(LibraryScan::IsDocument(S("a.wrn.bak")));
    EXPECT_EQ(LibraryScan::DisplayName(S("/x/a.b.wrn"), LibraryNode::Document), S("a.b"));
    EXPECT_EQ(LibraryScan::DisplayName(S("/x/Mia.2024"), LibraryNode::Folder), S("Mia.2024"));
}

} // namespace
