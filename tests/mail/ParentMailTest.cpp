#include "parentmail/DailySending.h"
#include "parentmail/FolderMailer.h"
#include "parentmail/ParentAddresses.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "settings/ProgramState.h"
#include "settings/SettingsKeys.h"
#include "support/EnrolledChildren.h"
#include "support/LocalSmtpServer.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 3, 12);

// A file in a folder of the home, last changed at noon of the day.
QString Photo(const TempHome& home, const QString& relative, const QDate& day = kToday)
{
    const QString path = home.FilePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("photo");
    file.flush();   // a later flush would stamp the file with the real time
    file.setFileTime(QDateTime(day, QTime(12, 0)), QFileDevice::FileModificationTime);
    return path;
}

void SetLocalNow(const QDate& day, const QTime& time)
{
    Clock::SetNow(QDateTime(day, time).toUTC());
}

} // namespace

TEST(ParentMailTest, ClassFolderListsEveryChildsEmailAChildFolderItsOwnWithTodaysPhotos)
{
    TempHome home;
    EXPECT_EQ(ParentMail::AddressList(home.Path(), QStringLiteral("AAA")), QString());
    for (const char* name : {"Ann", "Bob", "Cid"})
        Enroll(QLatin1String(name), 5, 0, QString(QLatin1Char(name[0])).toLower());

    const std::pair<const char*, const char*> lists[] = {
        {"AAA", "a;b;c;"}, {"Bob", "b"}, {"ZZZ", ""}, {"All", ""}};
    for (const auto& [folder, addresses] : lists)
        EXPECT_EQ(ParentMail::AddressList(home.Path(), QLatin1String(folder)), QLatin1String(addresses));

    // Only today's .jpg and .bmp photos, up to the limit.
    for (const char* name : {"a.jpg", "b.BMP", "c.JPG", "d.png", "f.Jpg"})
        Photo(home, QStringLiteral("Ann/") + QLatin1String(name));
    Photo(home, QStringLiteral("Ann/e.jpg"), kToday.addDays(-1));
    QDir().mkpath(home.FilePath(QStringLiteral("Ann/g.jpg")));

    const auto names = [&](int limit) {
        QStringList found;
        for (const QString& path :
             ParentMail::TodaysPhotos(home.FilePath(QStringLiteral("Ann")), kToday, limit))
            found << QFileInfo(path).fileName();
        return found;
    };
    EXPECT_EQ(names(10), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.BMP"),
                                      QStringLiteral("c.JPG")}));
    EXPECT_EQ(names(2).size(), 2);
    EXPECT_EQ(names(0).size(), 1);
}

namespace {

// A library of three folders (the class, a child, a trip without parents) with photos
// of the day, and the program's account on a local server.
class DailySendingTest : public ::testing::Test
{
protected:
    DailySendingTest()
    {
        Program().email.startHour = 13;
        Program().email.startMinute = 10;
        Program().email.imagesToSend = 5;
        m_server.UseForProgram(true);
        Enroll(QStringLiteral("Ann"), 5, 0, QStringLiteral("ann@example.org"));
        Enroll(QStringLiteral("Bob"), 5, 0, QStringLiteral("bob@example.org"));
        Photo(m_home, QStringLiteral("Pictures/AAA/class.jpg"));
        Photo(m_home, QStringLiteral("Pictures/Ann/ann.jpg"));
        Photo(m_home, QStringLiteral("Pictures/Trip/bus.jpg"));
        QDir().mkpath(m_home.FilePath(QStringLiteral("Pictures/ZZZ")));
    }

    // Ticks until the run is finished or nothing more happens; the steps taken.
    QList<DailySending::Step> Run(DailySending& daily)
    {
        QList<DailySending::Step> steps;
        for (int i = 0; i < 20; ++i) {
            const DailySending::Step step = daily.Tick();
            steps << step;
            if (step == DailySending::Step::Sent) {
                QSignalSpy sent(&m_mailer, &FolderMailer::FolderSent);
                EXPECT_TRUE(sent.wait(30000));
            }
            if (step != DailySending::Step::Sent && step != DailySending::Step::Skipped
                && step != DailySending::Step::Waiting)
                break;
        }
        return steps;
    }

    TempHome m_home;
    LocalSmtpServer m_server;
    FolderMailer m_mailer;
};

} // namespace

TEST_F(DailySendingTest, NothingBeforeTheStartTimeThenFolderByFolderOnceADay)
{
    using Step = DailySending::Step;
    DailySending daily(m_mailer);
    daily.Start(m_home.FilePath(QStringLiteral("Pictures")), -1);
    QSignalSpy reports(&daily, &DailySending::Report);
    SetLocalNow(kToday, QTime(13, 9));
    EXPECT_EQ(Run(daily), QList<Step>{Step::BeforeStart});
    EXPECT_EQ(m_server.MessageCount(), 0);

    SetLocalNow(kToday, QTime(13, 10));
    EXPECT_EQ(Run(daily), (QList<Step>{Step::Sent, Step::Sent, Step::Skipped, Step::Skipped,
                                       Step::Finished}));
    ASSERT_EQ(m_server.MessageCount(), 2);
    EXPECT_EQ(m_server.Received(1)[QLatin1String("header_to")].toString(),
              QStringLiteral("ann@example.org, bob@example.org"));
    EXPECT_EQ(m_server.Received(2)[QLatin1String("header_to")].toString(),
              QStringLiteral("ann@example.org"));
    QStringList texts;
    for (const QList<QVariant>& report : reports)
        texts << report.first().toString();
    EXPECT_TRUE(texts.filter(QStringLiteral("Trip was skipped")).size() == 1) << texts.join('\n').toStdString();

    // Not again today, by this run or by the next start of the program.
    SetLocalNow(kToday, QTime(18, 0));
    EXPECT_EQ(Run(daily), QList<Step>{Step::DoneToday});
    m_home.ReopenSettings();
    FolderMailer restartedMailer;
    DailySending restarted(restartedMailer);
    EXPECT_EQ(restarted.Tick(), Step::DoneToday);
    EXPECT_EQ(m_server.MessageCount(), 2);
}

TEST_F(DailySendingTest, AFailedSendHoldsTheRunUntilReleased)
{
    using Step = DailySending::Step;
    Program().email.password = QStringLiteral("wrong");
    DailySending daily(m_mailer);
    daily.Start(m_home.FilePath(QStringLiteral("Pictures")), -1);
    SetLocalNow(kToday, QTime(14, 0));
    EXPECT_EQ(Run(daily).last(), Step::Waiting);
    EXPECT_TRUE(m_mailer.IsHeld());
    EXPECT_FALSE(LoadLastDailySending(Settings()).isValid());

    Program().email.password = QLatin1String(LocalSmtpServer::kPassword);
    // Send Email by hand releases it; the run goes on with the next folder.
    m_mailer.Release();
    EXPECT_EQ(Run(daily).last(), Step::Finished);
    ASSERT_EQ(m_server.MessageCount(), 1);
    EXPECT_EQ(m_server.Received(1)[QLatin1String("header_to")].toString(),
              QStringLiteral("ann@example.org"));
    EXPECT_EQ(LoadLastDailySending(Settings()), kToday);
}
