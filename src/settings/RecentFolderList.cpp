#include "settings/RecentFolderList.h"

#include "settings/SettingsKeys.h"
#include "platform/SettingsStore.h"

void RecentFolderList::Add(const QString& folder)
{
    if (m_entries.size() >= kMaxEntries)
        m_entries.removeAt(kMaxEntries - 1);
    m_entries.append(folder);
}

void RecentFolderList::Write(SettingsStore& store, Source source) const
{
    const QString section = QString::fromLatin1(SettingsKey::Settings);
    for (int i = 0; i < m_entries.size(); ++i)
        store.WriteString(section, QString::fromLatin1(SettingsKey::RecentFolderN).arg(i + 1),
                          m_entries.at(i));
    const char* countKey = source == Source::OpenFolderCommand ? SettingsKey::RecentFolderNo
                                                               : SettingsKey::RecentFolders;
    store.WriteInt(section, QString::fromLatin1(countKey), static_cast<int>(m_entries.size()));
}
