#include "mail/MailSender.h"

#include <QElapsedTimer>
#include <QThread>

MailSender::MailSender(QObject* parent) : QObject(parent) {}

MailSender::~MailSender()
{
    if (m_thread) {
        m_cancel->store(true);
        m_thread->wait();
        delete m_thread;
    }
}

bool MailSender::Start(const MailAccount& account, const MailMessage& message)
{
    if (m_thread)
        return false;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_thread = QThread::create([this, account, message, cancel = m_cancel] {
        QElapsedTimer sinceReport;
        sinceReport.start();
        const auto report = [this, cancel, &sinceReport](qint64 sent, qint64 total) {
            // A few reports a second are all a progress bar can show.
            if (sinceReport.elapsed() >= 40 || (total > 0 && sent == total)) {
                sinceReport.restart();
                QMetaObject::invokeMethod(this, [this, sent, total] { Q_EMIT Progress(sent, total); },
                                          Qt::QueuedConnection);
            }
            return !cancel->load();
        };
        const SendResult result = SmtpClient::Send(account, message, report);
        QMetaObject::invokeMethod(this, [this, result] { Finish(result); }, Qt::QueuedConnection);
    });
    m_thread->start();
    return true;
}

void MailSender::Cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

void MailSender::Finish(const SendResult& result)
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    Q_EMIT SendFinished(result);
}
