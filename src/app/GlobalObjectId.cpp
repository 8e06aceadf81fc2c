#include "app/GlobalObjectId.h"

#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"

void CGlobalObjectId::Load(const CSettingsStore& store)
{
    m_value = static_cast<std::uint32_t>(store.GetInt(QString::fromLatin1(SettingsKey::General),
                                                      QString::fromLatin1(SettingsKey::GlobalObjectId),
                                                      1));
}

QString CGlobalObjectId::Next(CSettingsStore& store)
{
    QString number = Take();
    Store(store);
    return number;
}

QString CGlobalObjectId::Take()
{
    ++m_value;
    // Formatted as the 32-bit integer the settings hold.
    return QString::number(static_cast<std::int32_t>(m_value));
}

void CGlobalObjectId::Store(CSettingsStore& store) const
{
    store.WriteInt(QString::fromLatin1(SettingsKey::General),
                   QString::fromLatin1(SettingsKey::GlobalObjectId),
                   static_cast<std::int32_t>(m_value));
}
