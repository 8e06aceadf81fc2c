#pragma once

#include "mail/SmtpClient.h"

#include <QDialog>

class MailSender;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// "Send Email": one message to the parents, filled in by the command that opens it and
// sent with the center's account. The message goes out on a worker thread while the
// dialog shows its progress; Cancel stops it. The dialog stays open after sending.
class SendEmailDialog : public QDialog
{
    Q_OBJECT

public:
    SendEmailDialog(const MailAccount& account, const MailMessage& message,
                    QWidget* parent = nullptr);
    ~SendEmailDialog() override;

    // Opens the dialog filled in and runs it until closed.
    static void Run(const MailAccount& account, const MailMessage& message, QWidget* parent);

    // The message as the fields hold it.
    MailMessage Message() const;
    bool IsSending() const;

public Q_SLOTS:
    void Send();
    // Stops a send in progress; closes the dialog otherwise.
    void reject() override;

Q_SIGNALS:
    void SendFinished(const SendResult& result);

private:
    void ChooseAttachment();
    void ShowProgress(qint64 sent, qint64 total);
    void Finish(const SendResult& result);
    void SetSending(bool sending);

    MailAccount m_account;
    MailSender* m_sender = nullptr;
    QLineEdit* m_to = nullptr;
    QLineEdit* m_subject = nullptr;
    QLineEdit* m_attachment = nullptr;
    QPushButton* m_browse = nullptr;
    QPlainTextEdit* m_content = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_cancel = nullptr;
};
