#include "mail/MailMessage.h"

namespace Mail {

QStringList Recipients(const QString& to)
{
    QStringList addresses;
    for (const QString& part : to.split(QLatin1Char(';'))) {
        const QString address = part.trimmed();
        if (!address.isEmpty())
            addresses.append(address);
    }
    return addresses;
}

MailServer ParseServer(const QString& server, bool ssl)
{
    MailServer parsed;
    const QString text = server.trimmed();
    parsed.port = ssl ? 587 : 25;
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    // A bare IPv6 address has colons of its own; only "[addr]:port" carries a port then.
    const bool bareIpv6 = text.count(QLatin1Char(':')) > 1 && !text.startsWith(QLatin1Char('['));
    if (colon < 0 || bareIpv6) {
        parsed.host = text;
    } else {
        bool ok = false;
        const int port = text.mid(colon + 1).toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            return {QString(), parsed.port};
        parsed.host = text.left(colon);
        parsed.port = port;
    }
    if (!IsSingleLine(parsed.host) || parsed.host.contains(QLatin1Char('/'))
        || parsed.host.contains(QLatin1Char(' ')))
        parsed.host.clear();
    return parsed;
}

bool IsSingleLine(const QString& text)
{
    for (const QChar c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0)
            return false;
    return true;
}

} // namespace Mail
