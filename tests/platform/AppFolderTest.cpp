#include "platform/AppFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

AppFolderSources AllSources()
{
    return {QStringLiteral("/data/home"), QStringLiteral("/data/env"),
            QStringLiteral("/opt/tendrel"), QStringLiteral("/home/u/.local/share/Tendrel")};
}

auto Writable(bool answer)
{
    return [answer](const QString&) { return answer; };
}

TEST(AppFolderTest, TakesTheFirstSourceThatIsGivenAsAnAbsolutePath)
{
    AppFolderSources sources = AllSources();
    EXPECT_EQ(ResolveAppFolder(sources, Writable(true)), QStringLiteral("/data/home"));
    sources.commandLineHome.clear();
    EXPECT_EQ(ResolveAppFolder(sources, Writable(true)), QStringLiteral("/data/env"));
    sources.environmentHome.clear();
    EXPECT_EQ(ResolveAppFolder(sources, Writable(true)), QStringLiteral("/opt/tendrel"));
    EXPECT_EQ(ResolveAppFolder(sources, Writable(false)),
              QStringLiteral("/home/u/.local/share/Tendrel"));

    // Made absolute, without a trailing separator.
    sources.commandLineHome = QStringLiteral("relative/dir/");
    const QString folder = ResolveAppFolder(sources, Writable(true));
    EXPECT_TRUE(QDir::isAbsolutePath(folder));
    EXPECT_TRUE(folder.endsWith(QStringLiteral("relative/dir")));
}

TEST(AppFolderTest, WritableFolderIsCreatedWhenMissing)
{
    QTemporaryDir dir;
    const QString nested = dir.filePath(QStringLiteral("a/b"));
    EXPECT_TRUE(IsWritableFolder(nested));
    EXPECT_TRUE(QDir(nested).exists());
    // The probe leaves nothing behind.
    EXPECT_TRUE(QDir(nested).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                    .isEmpty());
}

TEST(AppFolderTest, ReadOnlyFolderIsNotWritable)
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
#else
    GTEST_SKIP() << "permission bits do not lock folders here";
#endif
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(IsWritableFolder(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
}

} // namespace
