#pragma once

#include <QString>
#include <QStringList>

// One message as the send dialog and the photo sending hand it over.
struct MailMessage
{
    QString to;            // one or more addresses separated by ";"
    QString subject;
    QString text;          // plain text
    QStringList attachments;

    bool operator==(const MailMessage&) const = default;
};

// The account a message goes out with.
struct MailAccount
{
    QString server;        // "host" or "host:port"
    QString sender;
    QString userName;
    QString password;
    bool ssl = true;       // STARTTLS required; off: used when the server offers it
    // Trusted instead of the system's store; only tests set it.
    QString caFile;
    int connectTimeoutSeconds = 30;
    // A transfer that moves nothing for this long is given up.
    int stallTimeoutSeconds = 60;
};

// Where the account's server text points.
struct MailServer
{
    QString host;
    int port = 0;
    bool operator==(const MailServer&) const = default;
};

namespace Mail {

// The addresses of a "To:" text: split on ";", trimmed, blank ones dropped.
QStringList Recipients(const QString& to);
// "host" or "host:port"; the port defaults to 587 with SSL and 25 without. A port that
// is no number from 1 to 65535 gives an empty host.
MailServer ParseServer(const QString& server, bool ssl);
// Whether a text may go into a header or an SMTP command: no line breaks or NULs.
bool IsSingleLine(const QString& text);

} // namespace Mail
