#include "records/DatabaseLocation.h"

#include "records/RecordsDatabase.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

QString Decoded(const QString& part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString Encoded(const QString& part)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(part));
}

// The refusal is shown on screen and in logs, so a password written in the address is
// left out of it.
DatabaseError BadUrl(const QString& url, const QString& problem)
{
    static const QRegularExpression password(QStringLiteral("(://[^:@/]*):[^@/]*@"));
    QString shown = url;
    shown.replace(password, QStringLiteral("\\1:…@"));
    return DatabaseError(QStringLiteral("\"%1\" is not a database address: %2")
                             .arg(shown, problem));
}

} // namespace

DatabaseLocation DatabaseLocation::Server(const QString& host, int port,
                                          const QString& database, const QString& user,
                                          const QString& password)
{
    DatabaseLocation location;
    location.m_kind = Kind::Server;
    location.m_host = host;
    location.m_port = port;
    location.m_database = database;
    location.m_user = user;
    location.m_password = password;
    return location;
}

DatabaseLocation DatabaseLocation::FromUrl(const QString& text)
{
    const QString url = text.trimmed();
    if (url.isEmpty())
        return {};
    static const QRegularExpression pattern(QStringLiteral(
        "^postgres(?:ql)?://(?:([^:@/]*)(?::([^@/]*))?@)?([^:/@?]*)(?::([^/]*))?/([^/?#]*)$"));
    const QRegularExpressionMatch match = pattern.match(url);
    if (!match.hasMatch())
        throw BadUrl(text, QStringLiteral("write it as postgresql://user@host:port/database."));
    bool portOk = true;
    const int port = match.captured(4).isEmpty() ? kDefaultPort : match.captured(4).toInt(&portOk);
    if (!portOk || port < 1 || port > 65535)
        throw BadUrl(text, QStringLiteral("the port must be a number from 1 to 65535."));
    const QString database = Decoded(match.captured(5));
    if (database.isEmpty())
        throw BadUrl(text, QStringLiteral("it names no database."));
    const QString user = Decoded(match.captured(1));
    if (user.isEmpty())
        throw BadUrl(text, QStringLiteral("it names no user."));
    return Server(Decoded(match.captured(3)), port, database, user, Decoded(match.captured(2)));
}

QString DatabaseLocation::Url(bool withPassword) const
{
    if (!IsServer())
        return {};
    QString user = Encoded(m_user);
    if (withPassword && !m_password.isEmpty())
        user += QLatin1Char(':') + Encoded(m_password);
    // Joined, not arg()ed: the encoded parts hold '%'.
    return QLatin1String("postgresql://") + user + QLatin1Char('@') + Encoded(m_host)
           + QLatin1Char(':') + QString::number(m_port) + QLatin1Char('/') + Encoded(m_database);
}

QString DatabaseLocation::ShownText() const
{
    if (!IsServer())
        return QStringLiteral("this computer");
    const QString host = m_host.isEmpty() ? QStringLiteral("the local server") : m_host;
    return QStringLiteral("%1 on %2:%3 as %4").arg(m_database, host, QString::number(m_port), m_user);
}
