#include "settings/ObjectIdCounter.h"

#include "settings/SettingsKeys.h"
#include "platform/SettingsStore.h"

void ObjectIdCounter::Load(const SettingsStore& store)
{
    m_value = static_cast<std::uint32_t>(store.GetInt(QString::fromLatin1(SettingsKey::General),
                                                      QString::fromLatin1(SettingsKey::GlobalObjectId),
                                                      1));
}

QString ObjectIdCounter::Next(SettingsStore& store)
{
    QString number = Take();
    Store(store);
    return number;
}

QString ObjectIdCounter::Take()
{
    ++m_value;
    // Formatted as the 32-bit integer the settings hold.
    return QString::number(static_cast<std::int32_t>(m_value));
}

void ObjectIdCounter::Store(SettingsStore& store) const
{
    store.WriteInt(QString::fromLatin1(SettingsKey::General),
                   QString::fromLatin1(SettingsKey::GlobalObjectId),
                   static_cast<std::int32_t>(m_value));
}
