#pragma once

#include "mail/MailMessage.h"

#include <QString>
#include <functional>

// What became of one message.
struct SendResult
{
    enum class Outcome { Sent, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    QString error;   // readable: what failed and, when it answered, what the server said

    bool Sent() const { return outcome == Outcome::Sent; }
};

// Sends one message by SMTP through libcurl, blocking the calling thread until it is
// sent, refused, timed out or cancelled. The server's certificate and host name are
// always verified; with SSL on nothing is sent unless STARTTLS succeeded.
namespace SmtpClient {

// Told the bytes sent so far and in all (0 until known); returning false cancels.
using Progress = std::function<bool(qint64 sent, qint64 total)>;

SendResult Send(const MailAccount& account, const MailMessage& message,
                const Progress& progress = {});

// The subject as a header value: plain ASCII as it is, anything else as UTF-8 encoded
// words that no line break can escape from.
QByteArray EncodeHeaderText(const QString& text);

} // namespace SmtpClient
