#include "photos/FolderWatch.h"

#include <QFileInfo>

namespace {

// Long enough for a copy of many photos to end, short enough to feel at once.
constexpr int kSettleMs = 300;

} // namespace

FolderWatch::FolderWatch(std::function<bool()> busy, QObject* parent)
    : QObject(parent), m_busy(std::move(busy))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        m_changed.insert(folder);
        m_settle.start();
    });
    connect(&m_settle, &QTimer::timeout, this, &FolderWatch::Report);
}

void FolderWatch::Watch(const QStringList& folders)
{
    const QStringList watchedList = m_watcher.directories();
    const QSet<QString> watched(watchedList.begin(), watchedList.end());
    const QSet<QString> wanted(folders.begin(), folders.end());
    QStringList gone;
    for (const QString& folder : watched)
        if (!wanted.contains(folder))
            gone.append(folder);
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    // A folder that cannot be watched (gone meanwhile, out of watches) is not followed.
    QStringList added;
    for (const QString& folder : wanted)
        if (!watched.contains(folder) && QFileInfo(folder).isDir())
            added.append(folder);
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}

void FolderWatch::Report()
{
    if (m_changed.isEmpty())
        return;
    if (m_busy && m_busy()) {
        m_settle.start();
        return;
    }
    const QStringList folders(m_changed.begin(), m_changed.end());
    m_changed.clear();
    Q_EMIT FoldersChanged(folders);
}
