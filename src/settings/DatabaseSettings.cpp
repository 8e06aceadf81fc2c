#include "settings/DatabaseSettings.h"

#include "platform/SettingsStore.h"
#include "settings/KeptSecret.h"
#include "settings/SettingsKeys.h"

namespace {

QString Section() { return QString::fromLatin1(SettingsKey::Database); }

} // namespace

DatabaseSettings DatabaseSettings::Load(SettingsStore& store)
{
    DatabaseSettings settings;
    settings.url = store.GetString(Section(), QString::fromLatin1(SettingsKey::DatabaseUrl)).trimmed();
    // This computer's file has no password; the keyring is not asked.
    if (settings.url.isEmpty())
        return settings;
    settings.password = store.GetString(Section(), QString::fromLatin1(SettingsKey::Password));
    KeptSecret::DatabasePassword().Load(store, settings.password);
    return settings;
}

void DatabaseSettings::Save(SettingsStore& store) const
{
    store.WriteString(Section(), QString::fromLatin1(SettingsKey::DatabaseUrl), url);
    KeptSecret::DatabasePassword().Save(store, password);
}
