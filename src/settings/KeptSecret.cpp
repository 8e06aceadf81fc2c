#include "settings/KeptSecret.h"

#include "platform/Keyring.h"
#include "platform/SettingsStore.h"
#include "settings/SettingsKeys.h"

namespace {

QString PasswordKey() { return QString::fromLatin1(SettingsKey::Password); }

} // namespace

KeptSecret::KeptSecret(const char* keyringKey, const char* section)
    : m_keyringKey(QString::fromLatin1(keyringKey)), m_section(QString::fromLatin1(section))
{
}

const KeptSecret& KeptSecret::MailPassword()
{
    static const KeptSecret secret("smtp-password", SettingsKey::EmailSetting);
    return secret;
}

const KeptSecret& KeptSecret::DatabasePassword()
{
    static const KeptSecret secret("records-server-password", SettingsKey::Database);
    return secret;
}

KeptSecret::Place KeptSecret::Load(SettingsStore& store, QString& value) const
{
    Keyring& keyring = Secrets();
    if (!keyring.Available())
        return Place::Settings;
    if (store.Contains(m_section, PasswordKey()))
        return Save(store, value);
    if (const std::optional<QString> kept = keyring.Read(m_keyringKey))
        value = *kept;
    return Place::Keyring;
}

KeptSecret::Place KeptSecret::Save(SettingsStore& store, const QString& value) const
{
    // The settings copy goes only once the keyring holds the value.
    if (!Secrets().Write(m_keyringKey, value)) {
        store.WriteString(m_section, PasswordKey(), value);
        return Place::Settings;
    }
    store.Remove(m_section, PasswordKey());
    return Place::Keyring;
}

KeptSecret::Place KeptSecret::Current()
{
    return Secrets().Available() ? Place::Keyring : Place::Settings;
}

QString KeptSecret::Describe(Place place)
{
    return place == Place::Keyring
               ? QStringLiteral("The password is kept in the system's keyring.")
               : QStringLiteral("No keyring is available: the password is kept in the "
                                "program's settings as plain text.");
}
