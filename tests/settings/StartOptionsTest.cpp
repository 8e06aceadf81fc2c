#include "settings/StartOptions.h"

#include <gtest/gtest.h>

namespace {

std::optional<StartOptions> Parse(const QStringList& arguments, QString* error = nullptr)
{
    QString ignored;
    return ParseStartOptions(arguments, error ? error : &ignored);
}

TEST(StartOptionsTest, ReadsEveryOptionAndOneFolderAndRefusesMistakesWithAReason)
{
    const auto options = Parse({QStringLiteral("--home"), QStringLiteral("/data"),
                                QStringLiteral("--no-splash"), QStringLiteral("--quit-after-start"),
                                QStringLiteral("/photos/2026")});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->home, QStringLiteral("/data"));
    EXPECT_TRUE(options->noSplash);
    EXPECT_TRUE(options->quitAfterStart);
    EXPECT_EQ(options->folder, QStringLiteral("/photos/2026"));

    EXPECT_EQ(Parse({QStringLiteral("--home=/d")})->home, QStringLiteral("/d"));

    QString error;
    EXPECT_FALSE(Parse({QStringLiteral("--home")}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("--home")));
    EXPECT_FALSE(Parse({QStringLiteral("--home=")}, &error));
    EXPECT_FALSE(Parse({QStringLiteral("--frobnicate")}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("--frobnicate")));
    EXPECT_FALSE(Parse({QStringLiteral("/a"), QStringLiteral("/b")}, &error));
}

} // namespace
