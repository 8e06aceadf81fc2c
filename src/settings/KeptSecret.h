#pragma once

#include <QString>

class SettingsStore;

// A password the program keeps between runs: in the system's keyring when there is one,
// and in the settings (as plain text) when there is none.
class KeptSecret
{
public:
    enum class Place { Keyring, Settings };

    // The mail account's password (EMAILSETTING/PASSWORD) and the records server's
    // (DATABASE/PASSWORD).
    static const KeptSecret& MailPassword();
    static const KeptSecret& DatabasePassword();

    // Completes `value`, loaded from the settings, with the keyring's. A value still in
    // the settings is moved into the keyring when one is available.
    Place Load(SettingsStore& store, QString& value) const;
    // Keeps the value: in the keyring and out of the settings when the keyring took it,
    // else in the settings.
    Place Save(SettingsStore& store, const QString& value) const;

    // Where a value saved now would be kept.
    static Place Current();
    // What a settings dialog says about the place.
    static QString Describe(Place place);

private:
    KeptSecret(const char* keyringKey, const char* section);

    QString m_keyringKey;
    QString m_section;
};
