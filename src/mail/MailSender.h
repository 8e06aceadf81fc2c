#pragma once

#include "mail/SmtpClient.h"

#include <QObject>
#include <atomic>
#include <memory>

class QThread;

// Sends one message at a time on a worker thread, so the window that asked stays
// responsive. Progress and the result arrive as signals on the sender's own thread.
class MailSender : public QObject
{
    Q_OBJECT

public:
    explicit MailSender(QObject* parent = nullptr);
    // Cancels a send in progress and waits for the worker to stop.
    ~MailSender() override;

    // False, and nothing started, while a message is still going out.
    bool Start(const MailAccount& account, const MailMessage& message);
    // The running send stops at its next progress report and finishes as cancelled.
    void Cancel();
    bool IsSending() const { return m_thread != nullptr; }

Q_SIGNALS:
    void Progress(qint64 sent, qint64 total);
    void SendFinished(const SendResult& result);

private:
    void Finish(const SendResult& result);

    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
};
