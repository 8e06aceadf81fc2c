#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

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
    sources.installed = true;
    EXPECT_EQ(ResolveAppFolder(sources, Writable(true)),
              QStringLiteral("/home/u/.local/share/Tendrel"));

    // Made absolute, without a trailing separator.
    sources.commandLineHome = QStringLiteral("relative/dir/");
    const QString folder = ResolveAppFolder(sources, Writable(true));
    EXPECT_TRUE(QDir::isAbsolutePath(folder));
    EXPECT_TRUE(folder.endsWith(QStringLiteral("relative/dir")));
}

TEST(AppFolderTest, AMissingFolderIsMadeAndWritableAndALockedOneIsNot)
{
    QTemporaryDir dir;
    const QString nested = dir.filePath(QStringLiteral("a/b"));
    EXPECT_TRUE(IsWritableFolder(nested));
    EXPECT_TRUE(QDir(nested).exists());
    // The probe leaves nothing behind.
    EXPECT_TRUE(QDir(nested).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));

#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
#else
    GTEST_SKIP() << "permission bits do not lock folders here";
#endif
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(IsWritableFolder(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
}

TEST(ClockTest, FixedClockGivesThatDayUntilReset)
{
    const QDateTime lateEvening(QDate(2026, 12, 31), QTime(23, 59, 30), Qt::UTC);
    Clock::SetNow(lateEvening);
    EXPECT_EQ(Clock::NowUtc(), lateEvening);
    EXPECT_EQ(Clock::TodayUtc(), QDate(2026, 12, 31));
    EXPECT_EQ(Clock::TodayLocal(), lateEvening.toLocalTime().date());
    // An instant given in local time is kept as UTC.
    Clock::SetNow(QDateTime(QDate(2027, 1, 1), QTime(0, 30), Qt::UTC).toOffsetFromUtc(-5 * 3600));
    EXPECT_EQ(Clock::TodayUtc(), QDate(2027, 1, 1));

    Clock::Reset();
    EXPECT_LE(qAbs(Clock::NowUtc().secsTo(QDateTime::currentDateTimeUtc())), 5);
}

QString K(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(SettingsStoreTest, EveryWriteIsOnDiskBeforeItReturnsAndWhatCannotBeReadGivesTheDefault)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("store.ini"));
    SettingsStore writer(file);
    EXPECT_EQ(writer.GetInt(K("SETTING"), K("FILEINDEX"), 1), 1);
    EXPECT_FALSE(writer.Contains(K("SETTING"), K("X")));
    ASSERT_TRUE(writer.WriteString(K("SETTING"), K("CURRENCYSYMBOL"), K("€")));
    ASSERT_TRUE(writer.WriteInt(K("TEXTINFO"), K("lfUnderline"), 1));
    ASSERT_TRUE(writer.WriteInt(K("TextTool"), K("lfUnderline"), 0));
    // A hand-edited file with text where a number belongs.
    ASSERT_TRUE(writer.WriteString(K("SETTING"), K("FILEINDEX"), K("many")));

    // A second store reading the same file, while the first still lives, sees every value;
    // sections apart only in case keep their own keys.
    SettingsStore reader(file);
    EXPECT_EQ(reader.GetString(K("SETTING"), K("CURRENCYSYMBOL")), K("€"));
    EXPECT_EQ(reader.GetInt(K("TEXTINFO"), K("lfUnderline"), 5), 1);
    EXPECT_EQ(reader.GetInt(K("TextTool"), K("lfUnderline"), 5), 0);
    EXPECT_EQ(reader.GetInt(K("SETTING"), K("FILEINDEX"), 7), 7);

    SettingsStore::UseFile(file);
    Settings().WriteString(K("SETTING"), K("WEEKSTART"), K("2026-12- 7"));
    EXPECT_EQ(SettingsStore(file).GetString(K("SETTING"), K("WEEKSTART")), K("2026-12- 7"));
    SettingsStore::UseNative();
}

} // namespace
