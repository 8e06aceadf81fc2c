#include "mail/SmtpClient.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMimeDatabase>

#include <curl/curl.h>
#include <mutex>

namespace {

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

SendResult Failure(const QString& error)
{
    return {SendResult::Outcome::Failed, error};
}

// Owns the handles of one transfer so every early return frees them.
struct Transfer
{
    CURL* curl = curl_easy_init();
    curl_mime* mime = nullptr;
    curl_slist* recipients = nullptr;
    curl_slist* headers = nullptr;
    char errors[CURL_ERROR_SIZE] = {};
    QByteArray lastReply;      // the server's last reply, its lines joined
    bool replyContinues = false;
    const SmtpClient::Progress* progress = nullptr;
    qint64 expectedBytes = 0;    // the encoded message, about; libcurl does not say
    qint64 pointOfNoReturn = 0;  // fewer bytes than the message surely has

    Transfer() = default;
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;
    ~Transfer()
    {
        curl_slist_free_all(headers);
        curl_slist_free_all(recipients);
        curl_mime_free(mime);
        if (curl)
            curl_easy_cleanup(curl);
    }
};

// Keeps what the server answered; nothing the client sent (the password among it).
int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    if (type != CURLINFO_HEADER_IN)
        return 0;
    auto* transfer = static_cast<Transfer*>(user);
    const QByteArray line = QByteArray(data, qsizetype(size)).trimmed();
    // A reply is lines "ddd-text" ending with one "ddd text".
    if (transfer->replyContinues)
        transfer->lastReply += ' ';
    else
        transfer->lastReply.clear();
    transfer->lastReply += line;
    transfer->replyContinues = line.size() > 3 && line.at(3) == '-';
    // Bounded: a hostile server cannot fill memory.
    if (transfer->lastReply.size() > 4096)
        transfer->lastReply.truncate(4096);
    return 0;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t total, curl_off_t now)
{
    const auto* transfer = static_cast<Transfer*>(user);
    if (!transfer->progress || !*transfer->progress)
        return 0;
    if (total <= 0)
        total = std::max<curl_off_t>(transfer->expectedBytes, now);
    const bool goOn = (*transfer->progress)(now, total);
    // Once nearly all of the message is out the server may already have it: cancelling
    // then would report as unsent a message the parents get. It finishes instead.
    return goOn || now >= transfer->pointOfNoReturn ? 0 : 1;
}

// The size of a file in base64: four bytes for every three, without line breaks.
qint64 Base64Size(qint64 bytes)
{
    return (bytes + 2) / 3 * 4;
}

QByteArray AngleAddress(const QString& address)
{
    QString plain = address.trimmed();
    if (plain.startsWith(QLatin1Char('<')) && plain.endsWith(QLatin1Char('>')))
        plain = plain.mid(1, plain.size() - 2);
    return "<" + plain.toUtf8() + ">";
}

QString ContentTypeOf(const QString& path)
{
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
}

QByteArray DateHeader()
{
    return "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1();
}

QString ServerSaid(const QByteArray& reply)
{
    const QString text = QString::fromUtf8(reply).trimmed();
    // Only a refusal explains a failure; a greeting or "250 OK" would mislead.
    if (text.size() < 3 || (text.at(0) != QLatin1Char('4') && text.at(0) != QLatin1Char('5')))
        return {};
    return text;
}

} // namespace

namespace SmtpClient {

QByteArray EncodeHeaderText(const QString& text)
{
    bool plain = true;
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            plain = false;
    if (plain && !text.contains(QLatin1String("=?")))
        return text.toLatin1();
    // Encoded words of at most 75 characters, never splitting a character.
    QByteArray encoded;
    QString chunk;
    const auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!encoded.isEmpty())
            encoded += "\r\n ";
        encoded += "=?UTF-8?B?" + chunk.toUtf8().toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
        chunk += c;
        if (c.isHighSurrogate() && i + 1 < text.size())
            chunk += text.at(++i);
        if (chunk.toUtf8().size() >= 39)
            flush();
    }
    flush();
    return encoded;
}

SendResult Send(const MailAccount& account, const MailMessage& message, const Progress& progress)
{
    const QStringList recipients = Mail::Recipients(message.to);
    if (recipients.isEmpty())
        return Failure(QStringLiteral("Please input recipient!"));
    const MailServer server = Mail::ParseServer(account.server, account.ssl);
    if (server.host.isEmpty())
        return Failure(QStringLiteral("The mail server \"%1\" is not a server name (host or host:port).")
                           .arg(account.server.trimmed()));
    const QString sender = account.sender.trimmed();
    if (sender.isEmpty())
        return Failure(QStringLiteral("Please input sender and recipient!"));
    for (const QString& text : recipients + QStringList{sender, message.subject})
        if (!Mail::IsSingleLine(text))
            return Failure(QStringLiteral("An address or the subject holds a line break."));

    QStringList attachments;
    for (const QString& path : message.attachments) {
        const QString trimmed = path.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QFileInfo file(trimmed);
        if (!file.isFile() || !file.isReadable())
            return Failure(QStringLiteral("The attachment %1 cannot be read.").arg(trimmed));
        attachments.append(file.absoluteFilePath());
    }

    InitCurlOnce();
    Transfer transfer;
    CURL* curl = transfer.curl;
    if (!curl)
        return Failure(QStringLiteral("The mail library could not start."));
    transfer.progress = &progress;

    const bool implicitTls = server.port == 465;
    const QString host = server.host.contains(QLatin1Char(':')) && !server.host.startsWith(QLatin1Char('['))
                             ? QLatin1Char('[') + server.host + QLatin1Char(']')
                             : server.host;
    const QByteArray url = (implicitTls ? QByteArrayLiteral("smtps://") : QByteArrayLiteral("smtp://"))
                         + host.toUtf8() + ':' + QByteArray::number(server.port);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(account.ssl ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    const QByteArray caFile = account.caFile.toLocal8Bit();
    if (!caFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
    const QByteArray user = account.userName.toUtf8();
    const QByteArray password = account.password.toUtf8();
    if (!user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }

    const QByteArray from = AngleAddress(sender);
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    QList<QByteArray> rcpt;
    for (const QString& address : recipients) {
        rcpt.append(AngleAddress(address));
        transfer.recipients = curl_slist_append(transfer.recipients, rcpt.last().constData());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, transfer.recipients);

    QList<QByteArray> headerLines{
        DateHeader(),
        "From: " + from,
        "To: " + recipients.join(QStringLiteral(", ")).toUtf8(),
        "Subject: " + EncodeHeaderText(message.subject),
    };
    for (const QByteArray& line : headerLines)
        transfer.headers = curl_slist_append(transfer.headers, line.constData());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, transfer.headers);

    transfer.mime = curl_mime_init(curl);
    curl_mimepart* body = curl_mime_addpart(transfer.mime);
    const QByteArray text = message.text.toUtf8();
    curl_mime_data(body, text.constData(), size_t(text.size()));
    curl_mime_type(body, "text/plain; charset=utf-8");
    curl_mime_encoder(body, "quoted-printable");
    QList<QByteArray> keep;   // curl copies names and types, but not before they are set
    transfer.pointOfNoReturn = text.size();
    transfer.expectedBytes = 2048 + text.size() * 11 / 10;
    for (const QString& path : attachments) {
        const qint64 encoded = Base64Size(QFileInfo(path).size());
        transfer.pointOfNoReturn += encoded;
        transfer.expectedBytes += encoded / 76 * 78 + 256;
        curl_mimepart* part = curl_mime_addpart(transfer.mime);
        keep.append(path.toLocal8Bit());
        if (curl_mime_filedata(part, keep.last().constData()) != CURLE_OK)
            return Failure(QStringLiteral("The attachment %1 cannot be read.").arg(path));
        curl_mime_filename(part, EncodeHeaderText(QFileInfo(path).fileName()).constData());
        curl_mime_type(part, ContentTypeOf(path).toLatin1().constData());
        curl_mime_encoder(part, "base64");
    }
    curl_easy_setopt(curl, CURLOPT_MIMEPOST, transfer.mime);

    // Large photos go out in large writes rather than libcurl's default 64 KB.
    curl_easy_setopt(curl, CURLOPT_UPLOAD_BUFFERSIZE, 1024L * 1024L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(account.connectTimeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(account.stallTimeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(account.stallTimeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, transfer.errors);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, OnDebug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &transfer);

    const CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK)
        return {SendResult::Outcome::Sent, {}};
    if (code == CURLE_ABORTED_BY_CALLBACK)
        return {SendResult::Outcome::Cancelled, QStringLiteral("Sending was cancelled.")};
    QString error = QString::fromUtf8(transfer.errors).trimmed();
    if (error.isEmpty())
        error = QString::fromUtf8(curl_easy_strerror(code));
    if (code == CURLE_USE_SSL_FAILED)
        error += QStringLiteral(" (the server offers no secure connection; nothing was sent)");
    if (const QString said = ServerSaid(transfer.lastReply); !said.isEmpty())
        error += QStringLiteral("\nThe server said: %1").arg(said);
    return Failure(error);
}

} // namespace SmtpClient
