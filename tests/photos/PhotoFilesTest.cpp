#include "photos/LibraryScan.h"
#include "photos/NaturalOrder.h"
#include "photos/PhotoFiles.h"

#include "LibraryFolder.h"

#include <gtest/gtest.h>

namespace {

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
