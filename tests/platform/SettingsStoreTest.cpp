#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    QString File() const { return m_dir.filePath(QStringLiteral("store.ini")); }
    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, MissingOrUnreadableValuesGiveTheDefault)
{
    SettingsStore store(File());
    EXPECT_EQ(store.GetInt(QStringLiteral("SETTING"), QStringLiteral("FILEINDEX"), 1), 1);
    EXPECT_FALSE(store.Contains(QStringLiteral("SETTING"), QStringLiteral("X")));

    // A hand-edited file with text where a number belongs.
    store.WriteString(QStringLiteral("SETTING"), QStringLiteral("FILEINDEX"), QStringLiteral("many"));
    EXPECT_EQ(store.GetInt(QStringLiteral("SETTING"), QStringLiteral("FILEINDEX"), 7), 7);
}

TEST_F(SettingsStoreTest, EveryWriteIsOnDiskBeforeItReturnsSectionsKeepTheirKeysAndUseFileIsFollowed)
{
    SettingsStore writer(File());
    ASSERT_TRUE(writer.WriteString(QStringLiteral("SETTING"), QStringLiteral("CURRENCYSYMBOL"),
                                   QStringLiteral("€")));
    ASSERT_TRUE(writer.WriteInt(QStringLiteral("TEXTINFO"), QStringLiteral("lfUnderline"), 1));
    ASSERT_TRUE(writer.WriteInt(QStringLiteral("TextTool"), QStringLiteral("lfUnderline"), 0));

    // A second store reading the same file, while the first still lives, sees every value.
    SettingsStore reader(File());
    EXPECT_EQ(reader.GetString(QStringLiteral("SETTING"), QStringLiteral("CURRENCYSYMBOL")),
              QStringLiteral("€"));
    EXPECT_EQ(reader.GetInt(QStringLiteral("TEXTINFO"), QStringLiteral("lfUnderline"), 5), 1);
    EXPECT_EQ(reader.GetInt(QStringLiteral("TextTool"), QStringLiteral("lfUnderline"), 5), 0);

    SettingsStore::UseFile(File());
    Settings().WriteString(QStringLiteral("SETTING"), QStringLiteral("WEEKSTART"),
                           QStringLiteral("2026-12- 7"));
    SettingsStore reread(File());
    EXPECT_EQ(reread.GetString(QStringLiteral("SETTING"), QStringLiteral("WEEKSTART")),
              QStringLiteral("2026-12- 7"));
    SettingsStore::UseNative();
}

} // namespace
