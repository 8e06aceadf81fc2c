#include "parentmail/FolderMailer.h"

#include "parentmail/ParentAddresses.h"
#include "platform/Clock.h"
#include "settings/ProgramState.h"

#include <QFileInfo>

FolderMailer::FolderMailer(QObject* parent) : QObject(parent)
{
    connect(&m_sender, &MailSender::SendFinished, this, [this](const SendResult& result) {
        m_held = !result.Sent();
        Q_EMIT FolderSent(m_folder, result);
    });
}

FolderMailer::Outcome FolderMailer::SendFolder(const QString& folderPath)
{
    if (!IsIdle())
        return Outcome::Busy;
    const EmailSettings& settings = Program().email;
    const QStringList photos =
        ParentMail::TodaysPhotos(folderPath, Clock::TodayLocal(), settings.imagesToSend);
    if (photos.isEmpty())
        return Outcome::NoPhotos;
    const QString name = QFileInfo(folderPath).fileName();
    MailMessage message;
    message.to = ParentMail::AddressList(Program().programDir, name);
    if (Mail::Recipients(message.to).isEmpty())
        return Outcome::NoRecipients;
    message.subject = settings.subject;
    message.text = settings.body;
    message.attachments = photos;
    m_folder = folderPath;
    m_sender.Start(ParentMail::AccountOf(settings), message);
    return Outcome::Started;
}

QString FolderMailer::Describe(Outcome outcome, const QString& folderName)
{
    switch (outcome) {
    case Outcome::Started: return QStringLiteral("Sending the photos of %1...").arg(folderName);
    case Outcome::NoPhotos: return QStringLiteral("%1 has no photos of today to send.").arg(folderName);
    case Outcome::NoRecipients:
        return QStringLiteral("%1 was skipped: no parent's e-mail address is known for it.")
            .arg(folderName);
    case Outcome::Busy: return QStringLiteral("Another message is still being sent.");
    }
    return {};
}
