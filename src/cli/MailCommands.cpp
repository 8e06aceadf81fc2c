#include "cli/MailCommands.h"

#include "cli/CliArguments.h"
#include "mail/SmtpClient.h"
#include "parentmail/DailySending.h"
#include "parentmail/FolderMailer.h"
#include "parentmail/ParentAddresses.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "settings/MailPassword.h"
#include "settings/ProgramState.h"

#include <QEventLoop>
#include <QFileInfo>
#include <cstdio>

namespace {

constexpr const char* kSendDailyUsage = "send-daily [--home DIR] [--now YYYY-MM-DDTHH:MM]";
constexpr const char* kSendUsage =
    "send --to ADDRESSES --subject TEXT [--attach FILE] [--text TEXT] [--home DIR]";

// The application folder and the account the desktop program would use.
void UseAccount(const ParsedArguments& parsed)
{
    Program().programDir = ResolveAppFolder(parsed.Option(QStringLiteral("--home")));
    SettingsStore::UseFolderFileIfPresent(Program().programDir);
    Program().email = EmailSettings::Load(Settings());
    MailPassword::Load(Settings(), Program().email);
}

ParsedArguments ParseOrProblem(const QStringList& arguments, const QStringList& valued)
{
    ParsedArguments parsed = Parse(arguments, valued, {});
    if (parsed.problem.isEmpty() && !parsed.words.isEmpty())
        parsed.problem = QStringLiteral("unexpected argument %1").arg(parsed.words.first());
    return parsed;
}

} // namespace

int SendDailyCommand(const QStringList& arguments)
{
    const ParsedArguments parsed =
        ParseOrProblem(arguments, {QStringLiteral("--home"), QStringLiteral("--now")});
    if (!parsed.problem.isEmpty())
        return Usage(kSendDailyUsage, parsed.problem);
    if (parsed.Has(QStringLiteral("--now"))) {
        const QString text = parsed.Option(QStringLiteral("--now"));
        QDateTime now = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm"));
        if (!now.isValid())
            return Usage(kSendDailyUsage,
                         QStringLiteral("%1 is not a local time like 2024-03-06T13:30").arg(text));
        Clock::SetNow(now.toUTC());
    }
    UseAccount(parsed);
    const char* name = "send-daily";

    FolderMailer mailer;
    DailySending daily(mailer);
    daily.Start(Program().StartupPicturesRoot(Settings()), -1);
    QObject::connect(&daily, &DailySending::Report, [name](const QString& text) { Report(name, text); });
    QEventLoop loop;
    bool failed = false;
    QObject::connect(&mailer, &FolderMailer::FolderSent,
                     [&](const QString& folder, const SendResult& result) {
                         if (result.Sent()) {
                             std::printf("Sent the photos of %s.\n",
                                         qPrintable(QFileInfo(folder).fileName()));
                         } else {
                             Report(name, QStringLiteral("the photos of %1 were not sent: %2")
                                           .arg(QFileInfo(folder).fileName(), result.error));
                             failed = true;
                         }
                         loop.quit();
                     });
    for (;;) {
        switch (daily.Tick()) {
        case DailySending::Step::Off:
            Report(name, QStringLiteral("the e-mail service is off; nothing was sent."));
            return 0;
        case DailySending::Step::BeforeStart:
            Report(name, QStringLiteral("it is before the start time %1; nothing was sent.")
                          .arg(FormatStartTime(Program().email.startHour,
                                               Program().email.startMinute)));
            return 0;
        case DailySending::Step::DoneToday:
            Report(name, QStringLiteral("today's photos were sent already; nothing was sent."));
            return 0;
        case DailySending::Step::Finished: return 0;
        case DailySending::Step::Sent:
            loop.exec();
            if (failed)
                return 1;
            break;
        case DailySending::Step::Waiting:
        case DailySending::Step::Skipped: break;
        }
    }
}

int SendCommand(const QStringList& arguments)
{
    const ParsedArguments parsed = ParseOrProblem(
        arguments, {QStringLiteral("--to"), QStringLiteral("--subject"), QStringLiteral("--attach"),
                    QStringLiteral("--text"), QStringLiteral("--home")});
    if (!parsed.problem.isEmpty())
        return Usage(kSendUsage, parsed.problem);
    MailMessage message;
    message.to = parsed.Option(QStringLiteral("--to"));
    message.subject = parsed.Option(QStringLiteral("--subject"));
    message.text = parsed.Option(QStringLiteral("--text"));
    if (Mail::Recipients(message.to).isEmpty())
        return Usage(kSendUsage, QStringLiteral("Please input recipient!"));
    if (!parsed.Has(QStringLiteral("--subject")))
        return Usage(kSendUsage, QStringLiteral("--subject is missing"));
    if (parsed.Has(QStringLiteral("--attach"))) {
        const QString path = parsed.Option(QStringLiteral("--attach"));
        if (!QFileInfo(path).isFile())
            return Usage(kSendUsage, QStringLiteral("%1 is no file").arg(path));
        message.attachments.append(path);
    }
    UseAccount(parsed);
    const SendResult result = SmtpClient::Send(ParentMail::AccountOf(Program().email), message);
    if (!result.Sent()) {
        return Fail("send", result.error);
    }
    std::printf("Message has been sent.\n");
    return 0;
}
