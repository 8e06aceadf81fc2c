#pragma once

#include <QStringList>

class SettingsStore;

// The pictures roots opened during this run, oldest first. Starts empty on every run.
class RecentFolderList
{
public:
    static constexpr int kMaxEntries = 8;

    // How the root was opened decides which count key is written.
    enum class Source { OpenFolderCommand, OpenRequest };

    // Appends a folder (duplicates are kept); a full list gives up its last entry first.
    void Add(const QString& folder);
    // Writes RECENTFOLDER1.. in list order, then the count under the key of the source.
    void Write(SettingsStore& store, Source source) const;

    const QStringList& Entries() const { return m_entries; }

private:
    QStringList m_entries;
};
