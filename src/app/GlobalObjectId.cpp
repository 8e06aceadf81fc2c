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
    ++m_value;
    // Stored as a 32-bit integer and formatted as one, as the documents expect.
    const auto asStored = static_cast<std::int32_t>(m_value);
    store.WriteInt(QString::fromLatin1(SettingsKey::General),
                   QString::fromLatin1(SettingsKey::GlobalObjectId), asStored);
    return QString::number(asStored);
}
