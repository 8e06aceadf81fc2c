#pragma once

#include "mail/MailSender.h"

#include <QObject>

// Sends a library folder's photos of the day to its parents, one folder at a time. The
// folder tree's Send Email and the daily sending share one: after a failed send it
// stays held, so the daily sending waits, until a Send Email by hand releases it.
class FolderMailer : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Started, NoPhotos, NoRecipients, Busy };

    explicit FolderMailer(QObject* parent = nullptr);

    // Starts the message of the folder with the program's e-mail settings: subject and
    // text from the settings, today's photos attached.
    Outcome SendFolder(const QString& folderPath);
    // Idle again after a failure.
    void Release() { m_held = false; }
    // Neither sending nor held by a failure.
    bool IsIdle() const { return !m_held && !m_sender.IsSending(); }
    bool IsHeld() const { return m_held; }
    MailSender& Sender() { return m_sender; }

    // The text a report shows for an outcome of SendFolder.
    static QString Describe(Outcome outcome, const QString& folderName);

Q_SIGNALS:
    void FolderSent(const QString& folderPath, const SendResult& result);

private:
    MailSender m_sender;
    QString m_folder;
    bool m_held = false;
};
