#include "mail/MailSender.h"
#include "mail/SmtpClient.h"
#include "support/DatabaseFile.h"
#include "support/LocalSmtpServer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"
#include "widgets/SendEmailDialog.h"

#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QByteArray RandomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(7);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

QString WriteFile(const TempHome& home, const QString& name, const QByteArray& bytes)
{
    return WriteBytes(home.FilePath(name), bytes);
}

class SmtpSendTest : public ::testing::TestWithParam<bool>
{
protected:
    TempHome m_home;
};

} // namespace

// With SSL on STARTTLS is required; off, it is still used when the server offers it.
TEST_P(SmtpSendTest, TwoPhotosArriveWholeWithSubjectTextAndTheLogin)
{
    LocalSmtpServer server;
    ASSERT_TRUE(server.IsRunning());
    const QByteArray first = RandomBytes(300000);
    const QByteArray second = RandomBytes(5000) + QByteArray("\r\n.\r\n", 5);
    MailMessage message;
    message.to = QStringLiteral(" mum@example.org ; dad@example.org ;");
    message.subject = QStringLiteral("Photos of today – Zoë");
    message.text = QStringLiteral("Two photos.\n.\nA line with a lone dot above.");
    message.attachments = {WriteFile(m_home, QStringLiteral("one.jpg"), first),
                           WriteFile(m_home, QStringLiteral("two.bmp"), second),
                           QStringLiteral("   ")};

    const SendResult result = SmtpClient::Send(server.Account(GetParam()), message);

    ASSERT_TRUE(result.Sent()) << result.error.toStdString();
    ASSERT_EQ(server.MessageCount(), 1);
    const QJsonObject received = server.Received(1);
    EXPECT_EQ(received[QLatin1String("subject")].toString(), message.subject);
    EXPECT_EQ(received[QLatin1String("text")].toString().trimmed(), message.text);
    EXPECT_EQ(received[QLatin1String("login")].toString(), QLatin1String(LocalSmtpServer::kUser));
    EXPECT_TRUE(received[QLatin1String("tls")].toBool());
    EXPECT_EQ(received[QLatin1String("to")].toArray().toVariantList(),
              (QVariantList{QStringLiteral("mum@example.org"), QStringLiteral("dad@example.org")}));
    const QJsonArray attachments = received[QLatin1String("attachments")].toArray();
    ASSERT_EQ(attachments.size(), 2);
    EXPECT_EQ(attachments[0][QLatin1String("name")].toString(), QStringLiteral("one.jpg"));
    EXPECT_EQ(attachments[0][QLatin1String("type")].toString(), QStringLiteral("image/jpeg"));
    EXPECT_EQ(BytesOf(attachments[0][QLatin1String("file")].toString()), first);
    EXPECT_EQ(BytesOf(attachments[1][QLatin1String("file")].toString()), second);
}

INSTANTIATE_TEST_SUITE_P(SslOnAndOff, SmtpSendTest, ::testing::Bool());

namespace {

struct Refusal
{
    const char* name;
    LocalSmtpServer::Options server;
    std::function<void(MailAccount&, MailMessage&)> change;
    const char* errorHolds;
};

class SmtpRefusalTest : public ::testing::TestWithParam<Refusal>
{
protected:
    TempHome m_home;
};

} // namespace

TEST_P(SmtpRefusalTest, FailsWithAReadableErrorAndNothingArrives)
{
    LocalSmtpServer server(GetParam().server);
    ASSERT_TRUE(server.IsRunning());
    MailAccount account = server.Account(true);
    MailMessage message{QStringLiteral("mum@example.org"), QStringLiteral("Hello"),
                        QStringLiteral("text"), {}};
    message.attachments = {WriteFile(m_home, QStringLiteral("big.jpg"), RandomBytes(2000000))};
    GetParam().change(account, message);

    const SendResult result = SmtpClient::Send(account, message);

    EXPECT_EQ(result.outcome, SendResult::Outcome::Failed);
    EXPECT_TRUE(result.error.contains(QLatin1String(GetParam().errorHolds))) << result.error.toStdString();
    EXPECT_EQ(server.MessageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, SmtpRefusalTest,
    ::testing::Values(
        Refusal{"SslOnButNoStartTls", {.startTls = false}, [](MailAccount&, MailMessage&) {},
                "nothing was sent"},
        Refusal{"CertificateNotTrusted", {}, [](MailAccount& a, MailMessage&) { a.caFile.clear(); },
                "certificate"},
        Refusal{"WrongPassword", {}, [](MailAccount& a, MailMessage&) { a.password = QStringLiteral("nope"); },
                "535"},
        Refusal{"ServerGoesAwayMidSend", {.vanishOnData = true}, [](MailAccount&, MailMessage&) {}, ""},
        Refusal{"PortThatIsNoNumber", {},
                [](MailAccount& a, MailMessage&) { a.server = QStringLiteral("127.0.0.1:smtp"); },
                "not a server name"},
        Refusal{"AttachmentThatIsGone", {},
                [](MailAccount&, MailMessage& m) { QFile::remove(m.attachments.first()); },
                "cannot be read"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MailTexts, RecipientsAreSplitOnSemicolonsServersTakeADefaultPortAndSubjectsStayOneHeader)
{
    EXPECT_EQ(Mail::Recipients(QStringLiteral("a; b ;;c")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_TRUE(Mail::Recipients(QStringLiteral("   ")).isEmpty());
    EXPECT_TRUE(Mail::Recipients(QStringLiteral(" ; ;")).isEmpty());

    EXPECT_EQ(Mail::ParseServer(QStringLiteral(" smtp.example.org "), true),
              (MailServer{QStringLiteral("smtp.example.org"), 587}));
    EXPECT_EQ(Mail::ParseServer(QStringLiteral("smtp.example.org"), false),
              (MailServer{QStringLiteral("smtp.example.org"), 25}));
    EXPECT_EQ(Mail::ParseServer(QStringLiteral("mail.example.org:2525"), true),
              (MailServer{QStringLiteral("mail.example.org"), 2525}));
    EXPECT_TRUE(Mail::ParseServer(QStringLiteral("host:70000"), true).host.isEmpty());
    EXPECT_TRUE(Mail::ParseServer(QStringLiteral("evil/host"), true).host.isEmpty());

    // A line break in the subject cannot start a new header.
    EXPECT_FALSE(SmtpClient::EncodeHeaderText(QStringLiteral("Hi\r\nBcc: x@y")).contains("\r\nBcc"));
    EXPECT_EQ(SmtpClient::EncodeHeaderText(QStringLiteral("Plain subject")), "Plain subject");
}

TEST(MailSenderTest, SendsOffTheCallersThreadAndCancelStopsIt)
{
    TempHome home;
    LocalSmtpServer server;
    ASSERT_TRUE(server.IsRunning());
    MailMessage message{QStringLiteral("mum@example.org"), QStringLiteral("Hello"), {}, {}};
    message.attachments = {WriteFile(home, QStringLiteral("big.jpg"), RandomBytes(40000000))};
    MailSender sender;
    QSignalSpy finished(&sender, &MailSender::SendFinished);

    ASSERT_TRUE(sender.Start(server.Account(true), message));
    // Start returned at once; a second message waits for the first.
    EXPECT_TRUE(sender.IsSending());
    EXPECT_FALSE(sender.Start(server.Account(true), message));
    // Cancelled long before the 40 MB are out, however busy the machine is: a cancel
    // that came only once the message was out would rightly let it finish.
    sender.Cancel();
    ASSERT_TRUE(finished.wait(60000));

    EXPECT_EQ(finished.first().first().value<SendResult>().outcome, SendResult::Outcome::Cancelled);
    EXPECT_FALSE(sender.IsSending());
    EXPECT_EQ(server.MessageCount(), 0);
}

TEST(SendEmailDialogTest, SendsFromTheFieldsAndStaysOpen)
{
    const struct
    {
        const char* to;
        bool serverUp;
        const char* messageHolds;   // the message box's text
        int messagesArriving;
    } cases[] = {{" mum@example.org ", true, "Message has been sent.", 1},
                 {"   ", true, "Please input recipient!", 0},
                 {"mum@example.org", false, "535", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.messageHolds);
        TempHome home;
        LocalSmtpServer server;
        ASSERT_TRUE(server.IsRunning());
        MailAccount account = server.Account(true);
        if (!c.serverUp)
            account.password = QStringLiteral("wrong");
        const QString photo = WriteBytes(home.FilePath(QStringLiteral("statement.png")),
                                         QByteArray(3000000, 'x'));
        SendEmailDialog dialog(account, {QString::fromUtf8(c.to), QStringLiteral("Subject"),
                                         QStringLiteral("Text"), {photo}});
        dialog.show();
        QSignalSpy finished(&dialog, &SendEmailDialog::SendFinished);
        // The window keeps handling events while the message goes out.
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);

        dialog.findChild<QPushButton*>(QStringLiteral("send"))->click();
        if (c.messagesArriving > 0 || !c.serverUp) {
            EXPECT_TRUE(dialog.IsSending());
            ASSERT_TRUE(finished.wait(30000));
            EXPECT_GT(ticks, 0);
        }

        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.IsSending());
        ASSERT_EQ(home.Prompt().Texts().size(), 1);
        EXPECT_TRUE(home.Prompt().Texts().first().contains(QLatin1String(c.messageHolds)))
            << home.Prompt().Texts().first().toStdString();
        EXPECT_EQ(server.MessageCount(), c.messagesArriving);
    }
}

TEST(SendEmailDialogFields, AttachmentOfSpacesAttachesNothingAndCancelCloses)
{
    TempHome home;
    SendEmailDialog dialog(MailAccount{}, {QStringLiteral("a; b"), QStringLiteral("S"),
                                           QStringLiteral("T"), {QStringLiteral("   ")}});
    EXPECT_TRUE(dialog.Message().attachments.isEmpty());
    EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("attachment"))->isReadOnly());
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("send"))->isDefault());
    home.Prompt().QueueFiles({home.FilePath(QStringLiteral("chosen.pdf"))});
    dialog.findChild<QPushButton*>(QStringLiteral("browse"))->click();
    EXPECT_EQ(dialog.Message().attachments, QStringList{home.FilePath(QStringLiteral("chosen.pdf"))});

    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    EXPECT_FALSE(dialog.isVisible());
}
