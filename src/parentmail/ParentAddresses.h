#pragma once

#include <QString>
#include <QStringList>

struct EmailSettings;
struct MailAccount;

namespace ParentMail {

// The parents' addresses for a library folder: a child's folder gives the child's
// Email; the class folder "AAA" every enrolled child's Email, each followed by ";", in
// the order of the enrollment rows. Empty without a records database, for any other
// folder, and when the database cannot be read.
QString AddressList(const QString& programDir, const QString& folderName);

// The photos of a folder to send today: files ending in .JPG, .jpg, .BMP or .bmp whose
// last change, in local time, is on `today`, in name order, at most `limit` (at
// least one).
QStringList TodaysPhotos(const QString& folder, const QDate& today, int limit);

// The account the e-mail settings describe. TENDREL_MAIL_CA_FILE names certificate
// authorities to trust instead of the system's; verification stays on.
MailAccount AccountOf(const EmailSettings& settings);

} // namespace ParentMail
