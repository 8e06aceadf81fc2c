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
    CLibraryFolder folder;
    const QString path = folder.Write(QStringLiteral("b.jpg"), QByteArray(1000, 'b'));
    for (const char* name : {"a.pg", "A.png", "C.gif", "notes.txt", ".hidden.jpg",
                             "sub.jpg/inner.jpg"})
        folder.Write(QString::fromLatin1(name), "x");

    const auto photos = PhotoFiles::ListFolder(folder.Path(), kList);
    QStringList names;
    for (const auto& photo : photos)
        names << photo.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("a.pg"), QStringLiteral("A.png"),
                                  QStringLiteral("b.jpg"), QStringLiteral("C.gif")}));
    ASSERT_EQ(photos.size(), 4u);
    EXPECT_EQ(photos[2].path, path);
    EXPECT_EQ(photos[2].size, 1000u);
    EXPECT_EQ(photos[2].modified, QFileInfo(path).lastModified());
    EXPECT_TRUE(photos[2].created.isValid());
    EXPECT_TRUE(PhotoFiles::ListFolder(folder.Path(QStringLiteral("missing")), kList).empty());
}

TEST(PhotoFilesTest, SizeOfHugeFileKeepsItsLow32Bits)
{
    CLibraryFolder folder;
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
    EXPECT_EQ(PhotoFiles::SizeText(1000), QStringLiteral("1000 Bytes"));
    EXPECT_EQ(PhotoFiles::SizeText(1023), QStringLiteral("1023 Bytes"));
    EXPECT_EQ(PhotoFiles::SizeText(1024), QStringLiteral("1 KB"));
    EXPECT_EQ(PhotoFiles::SizeText(2047), QStringLiteral("1 KB"));
    EXPECT_EQ(PhotoFiles::SizeText(0xFFFFFFFFu), QStringLiteral("4194303 KB"));
    EXPECT_EQ(PhotoFiles::TypeText(QStringLiteral("a.jpeg")), QStringLiteral("PEG Image"));
    EXPECT_EQ(PhotoFiles::TypeText(QStringLiteral("ab")), QStringLiteral("AB Image"));
    EXPECT_EQ(PhotoFiles::DateText(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 59))),
              QStringLiteral("03/05/2024  14:07"));
    EXPECT_EQ(PhotoFiles::DateText(QDateTime()), QString());
}

} // namespace
