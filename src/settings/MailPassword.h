#pragma once

#include <QString>

class SettingsStore;
struct EmailSettings;

// The mail account's password lives in the system's keyring when there is one, and in
// the settings (as plain text) when there is none.
namespace MailPassword {

enum class Place { Keyring, Settings };

// Completes settings loaded from the store with the keyring's password. A password
// still in the settings is moved into the keyring when one is available.
Place Load(SettingsStore& store, EmailSettings& settings);
// Keeps the password after the settings were saved with it: into the keyring, and out
// of the settings, when the keyring took it.
Place Save(SettingsStore& store, const QString& password);

// Where a password saved now would be kept.
Place Current();
// What the e-mail settings dialog says about the place.
QString Describe(Place place);

} // namespace MailPassword
