#include "parentmail/ParentAddresses.h"

#include "mail/MailMessage.h"
#include "photos/PhotoLibraryLayout.h"
#include "records/EnrollmentTable.h"
#include "records/RecordsDatabase.h"
#include "settings/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>

namespace ParentMail {

QString AddressList(const QString& programDir, const QString& folderName)
{
    if (!RecordsDatabase::Exists(programDir))
        return {};
    const bool everyone = folderName == QLatin1String(PhotoLibrary::kClassFolder);
    QString addresses;
    try {
        RecordsDatabase::Shared().Open(RecordsDatabase::FilePath(programDir));
        EnrollmentTable set;
        if (everyone)
            set.SelectChild(QString());
        else
            set.SelectNamed(folderName);
        for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
            if (everyone)
                addresses += set.m_Email + QLatin1Char(';');
            else
                addresses = set.m_Email;
        }
        set.Close();
    } catch (const DatabaseError&) {
        // Nobody to write to; the caller says so.
        return {};
    }
    return addresses;
}

QStringList TodaysPhotos(const QString& folder, const QDate& today, int limit)
{
    static const QStringList kPatterns{QStringLiteral("*.JPG"), QStringLiteral("*.jpg"),
                                       QStringLiteral("*.BMP"), QStringLiteral("*.bmp")};
    QDir dir(folder);
    dir.setNameFilters(kPatterns);
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name);
    const int most = std::max(1, limit);
    QStringList photos;
    for (const QFileInfo& file : dir.entryInfoList()) {
        const QString suffix = file.suffix();
        // The filters match case-insensitively on some systems; the list is exact.
        if (suffix != QLatin1String("JPG") && suffix != QLatin1String("jpg")
            && suffix != QLatin1String("BMP") && suffix != QLatin1String("bmp"))
            continue;
        if (file.fileName().startsWith(QLatin1Char('.')) || !file.isFile())
            continue;
        if (file.lastModified().toLocalTime().date() != today)
            continue;
        photos.append(file.absoluteFilePath());
        if (photos.size() >= most)
            break;
    }
    return photos;
}

MailAccount AccountOf(const EmailSettings& settings)
{
    MailAccount account;
    account.server = settings.smtpServer.trimmed();
    account.sender = settings.sender.trimmed();
    account.userName = settings.userName;
    account.password = settings.password;
    account.ssl = settings.ssl;
    // A center's own relay, or a test server, signed by an authority of its own.
    account.caFile = qEnvironmentVariable("TENDREL_MAIL_CA_FILE");
    return account;
}

} // namespace ParentMail
