#include "widgets/SendEmailDialog.h"
#include "support/DatabaseFile.h"
#include "support/LocalSmtpServer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

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
