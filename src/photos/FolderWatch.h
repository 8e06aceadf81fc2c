#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <functional>

// Tells a view that folders it shows changed on disk (photos, folders or pages added,
// removed or renamed by another program or by this one) once a burst of changes has
// settled, and only while the view can be refreshed: while `busy` says no (an editor is
// open, a drag is on) it waits and asks again.
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatch(std::function<bool()> busy, QObject* parent = nullptr);

    // The folders to watch from now on; folders no longer named are let go.
    void Watch(const QStringList& folders);
    QStringList Watched() const { return m_watcher.directories(); }

Q_SIGNALS:
    // Each folder that changed since the last report, once.
    void FoldersChanged(const QStringList& folders);

private:
    void Report();

    std::function<bool()> m_busy;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QSet<QString> m_changed;
};
