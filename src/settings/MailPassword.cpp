#include "settings/MailPassword.h"

#include "platform/Keyring.h"
#include "platform/SettingsStore.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsKeys.h"

namespace {

const QString kKeyringKey = QStringLiteral("smtp-password");

QString Section() { return QString::fromLatin1(SettingsKey::EmailSetting); }
QString Key() { return QString::fromLatin1(SettingsKey::Password); }

} // namespace

namespace MailPassword {

Place Load(SettingsStore& store, EmailSettings& settings)
{
    Keyring& keyring = Secrets();
    if (!keyring.Available())
        return Place::Settings;
    if (store.Contains(Section(), Key()))
        return Save(store, settings.password);
    if (const std::optional<QString> kept = keyring.Read(kKeyringKey))
        settings.password = *kept;
    return Place::Keyring;
}

Place Save(SettingsStore& store, const QString& password)
{
    // The settings copy goes only once the keyring holds the password.
    if (!Secrets().Write(kKeyringKey, password))
        return Place::Settings;
    store.Remove(Section(), Key());
    return Place::Keyring;
}

Place Current()
{
    return Secrets().Available() ? Place::Keyring : Place::Settings;
}

QString Describe(Place place)
{
    return place == Place::Keyring
               ? QStringLiteral("The password is kept in the system's keyring.")
               : QStringLiteral("No keyring is available: the password is kept in the "
                                "program's settings as plain text.");
}

} // namespace MailPassword
