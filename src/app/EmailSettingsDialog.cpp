#include "app/EmailSettingsDialog.h"

#include "widgets/DialogParts.h"
#include "platform/UserPrompt.h"
#include "settings/KeptSecret.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kMostPhotosPerMessage = 50;

void TrimField(QLineEdit* edit)
{
    edit->setText(edit->text().trimmed());
}

} // namespace

EmailSettingsDialog::EmailSettingsDialog(const EmailSettings& settings, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Email Setting"));

    auto* message = new QFormLayout;
    m_sender = AddLineEdit(*message, QStringLiteral("Send &from:"), QStringLiteral("sender"),
                           settings.sender);
    m_subject = AddLineEdit(*message, QStringLiteral("Su&bject:"), QStringLiteral("subject"),
                            settings.subject);
    m_body = new QPlainTextEdit(settings.body);
    m_body->setObjectName(QStringLiteral("body"));
    m_body->setTabChangesFocus(true);
    m_body->setFixedHeight(90);
    message->addRow(QStringLiteral("C&ontent:"), m_body);
    m_sender->setMinimumWidth(320);
    m_sender->setToolTip(QStringLiteral("The center's e-mail address; parents see it as the sender"));

    m_server = AddLineEdit(*message, QStringLiteral("&Server:"), QStringLiteral("server"),
                           settings.smtpServer);
    m_server->setToolTip(QStringLiteral("Outgoing (SMTP) mail server of the center's account"));
    m_ssl = new QCheckBox(QStringLiteral("SS&L connection"));
    m_ssl->setObjectName(QStringLiteral("ssl"));
    m_ssl->setChecked(settings.ssl);
    message->addRow(QString(), m_ssl);

    auto* authentication = new QGroupBox(QStringLiteral("ESMTP Authentication"));
    auto* authForm = new QFormLayout(authentication);
    m_user = AddLineEdit(*authForm, QStringLiteral("&User:"), QStringLiteral("user"),
                         settings.userName);
    m_password = AddLineEdit(*authForm, QStringLiteral("&Password:"), QStringLiteral("password"),
                             settings.password);
    m_password->setEchoMode(QLineEdit::Password);
    auto* passwordPlace = new QLabel(KeptSecret::Describe(KeptSecret::Current()));
    passwordPlace->setObjectName(QStringLiteral("passwordPlace"));
    passwordPlace->setWordWrap(true);
    authForm->addRow(QString(), passwordPlace);

    auto* sending = new QFormLayout;
    m_imagesToSend = new QSpinBox;
    m_imagesToSend->setObjectName(QStringLiteral("imagesToSend"));
    m_imagesToSend->setRange(1, kMostPhotosPerMessage);
    m_imagesToSend->setValue(std::clamp(settings.imagesToSend, 1, kMostPhotosPerMessage));
    sending->addRow(QStringLiteral("&Number of photos to be attached:"), m_imagesToSend);
    m_startTime = AddLineEdit(*sending, QStringLiteral("Start &Time(GMT Format Hour:Minute):"),
                              QStringLiteral("startTime"),
                              FormatStartTime(settings.startHour, settings.startMinute));
    m_startTime->setToolTip(QStringLiteral("The daily sending starts from this time of this computer's clock, for example 13:30"));
    m_useService = new QCheckBox(QStringLiteral("Use Email Ser&vice"));
    m_useService->setObjectName(QStringLiteral("useService"));
    m_useService->setChecked(settings.useEmailService);
    m_useService->setToolTip(QStringLiteral("Send the day's class photos to the parents once a day"));
    sending->addRow(QString(), m_useService);

    auto* content = new QVBoxLayout;
    content->addLayout(message);
    content->addWidget(authentication);
    content->addLayout(sending);
    FinishDialog(*this, content);
}

EmailSettings EmailSettingsDialog::Settings() const
{
    EmailSettings s;
    s.sender = m_sender->text().trimmed();
    s.subject = m_subject->text();
    s.body = m_body->toPlainText();
    s.smtpServer = m_server->text().trimmed();
    s.ssl = m_ssl->isChecked();
    s.userName = m_user->text();
    s.password = m_password->text();
    s.imagesToSend = m_imagesToSend->value();
    const StartTime start = ParseStartTime(m_startTime->text()).value_or(StartTime{});
    s.startHour = start.hour;
    s.startMinute = start.minute;
    s.useEmailService = m_useService->isChecked();
    return s;
}

void EmailSettingsDialog::accept()
{
    TrimField(m_server);
    TrimField(m_sender);
    TrimField(m_startTime);
    if (m_sender->text().isEmpty()) {
        Prompt().Warn(QStringLiteral("Please input sender and recipient!"));
        m_sender->setFocus();
        return;
    }
    if (!ParseStartTime(m_startTime->text())) {
        Prompt().Warn(QStringLiteral("Please enter the start time as hour:minute, for example 13:30."));
        m_startTime->setFocus();
        m_startTime->selectAll();
        return;
    }
    QDialog::accept();
}
