#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

QString Program(const char* name)
{
    return QDir(qEnvironmentVariable("TENDREL_BIN_DIR")).filePath(QLatin1String(name));
}

Outcome Execute(const char* name, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Program(name), arguments);
    Outcome run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// A desktop with an empty configuration of its own and no real display.
class ProgramsTest : public ::testing::Test
{
protected:
    ProgramsTest()
    {
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_environment.remove(QStringLiteral("TENDREL_HOME"));
    }

    QString StoredSetting(const QString& key) const
    {
        QSettings stored(QDir(m_config.path()).filePath(QStringLiteral("Tendrel 1.0/Tendrel V1.0.conf")),
                         QSettings::IniFormat);
        return stored.value(key).toString();
    }

    QTemporaryDir m_config;
    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
};

TEST_F(ProgramsTest, DesktopProgramExplainsItselfWithoutStarting)
{
    const Outcome help = Execute("tendrel", {QStringLiteral("--help")}, m_environment);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--quit-after-start")));
    const Outcome version = Execute("tendrel", {QStringLiteral("--version")}, m_environment);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("tendrel 1.0"));
    const Outcome wrong = Execute("tendrel", {QStringLiteral("--wrong")}, m_environment);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("--wrong")));
}

TEST_F(ProgramsTest, CommandLineToolListsItsCommands)
{
    const Outcome help = Execute("tendrel-cli", {QStringLiteral("--help")}, m_environment);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("version")));
    EXPECT_EQ(Execute("tendrel-cli", {QStringLiteral("--version")}, m_environment).out.trimmed(),
              QStringLiteral("tendrel-cli 1.0"));
    EXPECT_EQ(Execute("tendrel-cli", {QStringLiteral("frobnicate")}, m_environment).exitCode, 2);
    EXPECT_EQ(Execute("tendrel-cli", {}, m_environment).exitCode, 2);
}

TEST_F(ProgramsTest, StartsPaintsAndQuitsLeavingTheLibrary)
{
    const Outcome run = Execute("tendrel",
                            {QStringLiteral("--home"), m_home.path(), QStringLiteral("--no-splash"),
                             QStringLiteral("--quit-after-start")},
                            m_environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QDir(m_home.filePath(QStringLiteral("Pictures/AAA"))).exists());
    EXPECT_TRUE(QDir(m_home.filePath(QStringLiteral("Pictures/ZZZ"))).exists());
}

TEST_F(ProgramsTest, FolderArgumentBecomesThePicturesRoot)
{
    const QString folder = m_home.filePath(QStringLiteral("Term photos"));
    QDir().mkpath(folder);
    const Outcome run = Execute("tendrel",
                            {QStringLiteral("--home"), m_home.path(), QStringLiteral("--no-splash"),
                             QStringLiteral("--quit-after-start"), folder},
                            m_environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(StoredSetting(QStringLiteral("SETTINGS/RECENTFOLDER1")), folder);
    EXPECT_EQ(StoredSetting(QStringLiteral("SETTINGS/RECENTFOLDERS")), QStringLiteral("1"));
}

TEST_F(ProgramsTest, WithoutADisplayItSaysHowToStart)
{
    QProcessEnvironment bare = m_environment;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QLatin1String(name));
    const Outcome run = Execute("tendrel", {QStringLiteral("--home"), m_home.path()}, bare);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("xvfb-run")));
}

} // namespace
