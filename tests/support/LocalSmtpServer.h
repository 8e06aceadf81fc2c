#pragma once

#include "mail/MailMessage.h"

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real SMTP server for one test (Debian's aiosmtpd) on 127.0.0.1 and a free port,
// with AUTH and, unless told otherwise, STARTTLS under a certificate made for the test.
// It keeps what it receives for the test to read.
class LocalSmtpServer
{
public:
    struct Options
    {
        bool startTls = true;
        bool vanishOnData = false;   // closes the connection once the message starts
        bool rawOnly = false;        // keeps the message unread (only the envelope's JSON)
    };
    static constexpr const char* kUser = "teacher";
    static constexpr const char* kPassword = "secret";

    LocalSmtpServer() : LocalSmtpServer(Options{}) {}
    explicit LocalSmtpServer(Options options);
    ~LocalSmtpServer();

    bool IsRunning() const { return m_port > 0; }
    int Port() const { return m_port; }
    // The certificate authority the server's certificate is signed by.
    QString CaFile() const;
    // An account on this server: the user and password above, SSL as given, the CA
    // trusted.
    MailAccount Account(bool ssl = true) const;
    // The e-mail settings in memory and the environment pointed at this server.
    void UseForProgram(bool ssl = true) const;

    int MessageCount() const;
    // The n-th message received (from 1) as the server read it: "from", "to" (the
    // envelope's recipients), "header_to", "subject", "text", "login", "tls" and
    // "attachments" (each "name", "type" and "file", the decoded copy).
    QJsonObject Received(int n) const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};
