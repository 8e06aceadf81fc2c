#include "support/LocalSmtpServer.h"

#include "settings/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

// One certificate for the whole test program: making a key takes a moment.
QString MakeCertificate(const QString& folder)
{
    static QTemporaryDir kept;
    static bool made = false;
    if (!made) {
        QProcess openssl;
        openssl.setWorkingDirectory(kept.path());
        openssl.start(QStringLiteral("openssl"),
                      QStringLiteral("req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 "
                                     "-addext subjectAltName=IP:127.0.0.1,DNS:localhost "
                                     "-keyout key.pem -out cert.pem").split(QLatin1Char(' ')));
        made = openssl.waitForFinished(60000) && openssl.exitCode() == 0;
    }
    for (const char* name : {"key.pem", "cert.pem"})
        QFile::copy(kept.filePath(QLatin1String(name)), QDir(folder).filePath(QLatin1String(name)));
    return QDir(folder).filePath(QStringLiteral("cert.pem"));
}

} // namespace

LocalSmtpServer::LocalSmtpServer(Options options)
{
    const QString cert = MakeCertificate(m_dir.path());
    const QString script = QDir(qEnvironmentVariable("TENDREL_TEST_SUPPORT_DIR"))
                               .filePath(QStringLiteral("smtp_test_server.py"));
    QStringList arguments{script,
                          QStringLiteral("--out"), m_dir.path(),
                          QStringLiteral("--cert"), cert,
                          QStringLiteral("--key"), m_dir.filePath(QStringLiteral("key.pem")),
                          QStringLiteral("--user"), QLatin1String(kUser),
                          QStringLiteral("--password"), QLatin1String(kPassword)};
    if (!options.startTls)
        arguments << QStringLiteral("--no-starttls");
    if (options.vanishOnData)
        arguments << QStringLiteral("--vanish-on-data");
    if (options.rawOnly)
        arguments << QStringLiteral("--raw-only");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's interpreter, where python3-aiosmtpd lives, whatever python3 is first on PATH.
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (m_process.waitForStarted(10000) && m_process.waitForReadyRead(20000))
        m_port = m_process.readLine().trimmed().toInt();
}

LocalSmtpServer::~LocalSmtpServer()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QString LocalSmtpServer::CaFile() const
{
    return m_dir.filePath(QStringLiteral("cert.pem"));
}

MailAccount LocalSmtpServer::Account(bool ssl) const
{
    MailAccount account;
    account.server = QStringLiteral("127.0.0.1:%1").arg(m_port);
    account.sender = QStringLiteral("center@example.org");
    account.userName = QLatin1String(kUser);
    account.password = QLatin1String(kPassword);
    account.ssl = ssl;
    account.caFile = CaFile();
    account.connectTimeoutSeconds = 10;
    account.stallTimeoutSeconds = 10;
    return account;
}

void LocalSmtpServer::UseForProgram(bool ssl) const
{
    const MailAccount account = Account(ssl);
    EmailSettings& settings = Program().email;
    settings.smtpServer = account.server;
    settings.sender = account.sender;
    settings.userName = account.userName;
    settings.password = account.password;
    settings.ssl = ssl;
    qputenv("TENDREL_MAIL_CA_FILE", CaFile().toLocal8Bit());
}

int LocalSmtpServer::MessageCount() const
{
    return int(QDir(m_dir.path()).entryList({QStringLiteral("*.json")}, QDir::Files).size());
}

QJsonObject LocalSmtpServer::Received(int n) const
{
    QFile file(m_dir.filePath(QStringLiteral("%1.json").arg(n)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}
