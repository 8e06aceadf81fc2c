#include "photos/LibraryScan.h"

#include "LibraryFolder.h"

#include <gtest/gtest.h>

namespace {

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
    folder.Write(S("Pictures/zeta/a.wrn"), "");
    folder.MakeFolder(S("Pictures/zeta/B"));
    folder.Write(S("Pictures/zeta/c.Wrn"), "");
    folder.MakeFolder(S("Pictures/zeta/Trip 9"));
    folder.MakeFolder(S("Pictures/zeta/Trip 10"));
    folder.MakeFolder(S("Pictures/Class 10"));
    folder.MakeFolder(S("Pictures/class 2"));
    folder.Write(S("Pictures/Alpha.WRN"), "");
    folder.MakeFolder(S("Pictures/beta"));
    folder.Write(S("Pictures/gamma.wrn"), "");
    folder.Write(S("Pictures/wrn"), "");
    folder.MakeFolder(S("Pictures/.hidden"));
    folder.Write(S("Pictures/.secret.wrn"), "");

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
