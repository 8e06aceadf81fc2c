#include "widgets/SendEmailDialog.h"

#include "mail/MailSender.h"
#include "platform/UserPrompt.h"
#include "widgets/DialogParts.h"
#include "widgets/ModalRunner.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Size(qint64 bytes)
{
    return QLocale::system().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace

SendEmailDialog::SendEmailDialog(const MailAccount& account, const MailMessage& message,
                                 QWidget* parent)
    : QDialog(parent), m_account(account), m_sender(new MailSender(this))
{
    setWindowTitle(QStringLiteral("Send Email"));

    auto* form = new QFormLayout;
    m_to = AddLineEdit(*form, QStringLiteral("&To:"), QStringLiteral("to"), message.to);
    m_to->setMinimumWidth(380);
    m_to->setToolTip(QStringLiteral("Several addresses are separated by \";\""));
    m_subject = AddLineEdit(*form, QStringLiteral("&Subject:"), QStringLiteral("subject"),
                            message.subject);

    m_attachment = new QLineEdit(message.attachments.value(0));
    m_attachment->setObjectName(QStringLiteral("attachment"));
    m_attachment->setReadOnly(true);
    m_browse = new QPushButton(QStringLiteral("..."));
    m_browse->setObjectName(QStringLiteral("browse"));
    m_browse->setToolTip(QStringLiteral("Choose the file to attach"));
    m_browse->setAutoDefault(false);
    m_browse->setFixedWidth(m_browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    auto* attachmentRow = new QHBoxLayout;
    attachmentRow->addWidget(m_attachment);
    attachmentRow->addWidget(m_browse);
    // A row of two widgets gets no label buddy of its own; the button takes the key.
    auto* attachmentLabel = new QLabel(QStringLiteral("&Attachment:"));
    attachmentLabel->setBuddy(m_browse);
    form->addRow(attachmentLabel, attachmentRow);

    m_content = new QPlainTextEdit(message.text);
    m_content->setObjectName(QStringLiteral("content"));
    m_content->setTabChangesFocus(true);
    m_content->setMinimumHeight(140);
    form->addRow(QStringLiteral("C&ontent:"), m_content);

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setTextVisible(false);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);

    auto* buttons = new QDialogButtonBox;
    m_send = buttons->addButton(QStringLiteral("&Send"), QDialogButtonBox::ActionRole);
    m_send->setObjectName(QStringLiteral("send"));
    m_send->setDefault(true);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(QStringLiteral("cancel"));

    auto* content = new QVBoxLayout(this);
    content->addLayout(form);
    content->addWidget(m_progress);
    content->addWidget(m_status);
    content->addWidget(buttons);
    m_progress->hide();

    connect(m_send, &QPushButton::clicked, this, &SendEmailDialog::Send);
    connect(m_cancel, &QPushButton::clicked, this, &SendEmailDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &SendEmailDialog::ChooseAttachment);
    connect(m_sender, &MailSender::Progress, this, &SendEmailDialog::ShowProgress);
    connect(m_sender, &MailSender::SendFinished, this, &SendEmailDialog::Finish);
}

SendEmailDialog::~SendEmailDialog() = default;

void SendEmailDialog::Run(const MailAccount& account, const MailMessage& message, QWidget* parent)
{
    SendEmailDialog dialog(account, message, parent);
    RunModal(dialog);
}

MailMessage SendEmailDialog::Message() const
{
    MailMessage message;
    message.to = m_to->text().trimmed();
    message.subject = m_subject->text();
    message.text = m_content->toPlainText();
    if (const QString path = m_attachment->text().trimmed(); !path.isEmpty())
        message.attachments.append(path);
    return message;
}

bool SendEmailDialog::IsSending() const
{
    return m_sender->IsSending();
}

void SendEmailDialog::Send()
{
    if (IsSending())
        return;
    const MailMessage message = Message();
    m_to->setText(message.to);
    if (Mail::Recipients(message.to).isEmpty()) {
        Prompt().Warn(QStringLiteral("Please input recipient!"));
        m_to->setFocus();
        return;
    }
    SetSending(true);
    m_status->setText(QStringLiteral("Connecting to %1...").arg(m_account.server));
    m_sender->Start(m_account, message);
}

void SendEmailDialog::reject()
{
    if (IsSending()) {
        m_status->setText(QStringLiteral("Cancelling..."));
        m_sender->Cancel();
        return;
    }
    QDialog::reject();
}

void SendEmailDialog::ChooseAttachment()
{
    const QString current = m_attachment->text().trimmed();
    const QString chosen = Prompt().ChooseFileToOpen(
        QStringLiteral("Attachment"), current.isEmpty() ? QString() : QFileInfo(current).absolutePath(),
        QStringLiteral("All files (*.*)"));
    if (!chosen.isEmpty())
        m_attachment->setText(chosen);
}

void SendEmailDialog::ShowProgress(qint64 sent, qint64 total)
{
    if (total <= 0)
        return;
    // Kilobytes keep the largest message within the bar's int range.
    m_progress->setRange(0, int(std::max<qint64>(1, total / 1024)));
    m_progress->setValue(int(std::min(sent, total) / 1024));
    m_status->setText(QStringLiteral("Sending: %1 of %2").arg(Size(sent), Size(total)));
}

void SendEmailDialog::Finish(const SendResult& result)
{
    SetSending(false);
    switch (result.outcome) {
    case SendResult::Outcome::Sent:
        m_status->setText(QStringLiteral("Message has been sent."));
        Prompt().Inform(QStringLiteral("Message has been sent."));
        break;
    case SendResult::Outcome::Cancelled:
        m_status->setText(QStringLiteral("Sending was cancelled; the message was not sent."));
        break;
    case SendResult::Outcome::Failed:
        m_status->setText(QStringLiteral("The message was not sent."));
        Prompt().Error(result.error);
        break;
    }
    Q_EMIT SendFinished(result);
}

void SendEmailDialog::SetSending(bool sending)
{
    m_send->setEnabled(!sending);
    m_browse->setEnabled(!sending);
    m_to->setReadOnly(sending);
    m_subject->setReadOnly(sending);
    m_content->setReadOnly(sending);
    m_progress->setVisible(sending);
    if (sending) {
        m_progress->setRange(0, 0);   // busy until the size is known
        m_cancel->setToolTip(QStringLiteral("Stop sending"));
    } else {
        m_cancel->setToolTip(QString());
    }
}
