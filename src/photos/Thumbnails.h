#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <list>
#include <optional>
#include <memory>

class QIODevice;

// Thumbnails of photos: decoded at reduced size and kept by path, size and
// modification time, so a folder visited again shows at once.
namespace Thumbnails {

// The picture fitted into a cell of `cell` pixels with its aspect ratio kept and centred
// on transparency; decoded at reduced size where the format allows (JPEG scales by
// 1/2, 1/4 or 1/8 while decoding). A camera JPEG's EXIF preview is drawn instead when it
// is whole, of the photo's shape and at least the fitted size. Camera orientation is
// applied. A null image when the file cannot be read.
QImage Make(const QString& path, const QSize& cell);
// The same for a picture read from `device` (opened for reading), told by its content.
// Only photo kinds are read (JPEG, PNG, BMP, GIF, TIFF, WebP); other kinds, and pictures
// larger than 30000 pixels a side or 200 million pixels in all, give null.
QImage FromDevice(QIODevice& device, const QSize& cell);

// The cell of a zoom factor: 100 × zoom by 80 × zoom, each rounded to the nearest.
QSize CellForZoom(double zoom);

} // namespace Thumbnails

// A bounded, thread-safe cache of thumbnails; the least recently used go first.
class ThumbnailCache
{
public:
    explicit ThumbnailCache(qint64 maxBytes = 192LL * 1024 * 1024);

    // The cached thumbnail when the file's modification time still matches; an entry
    // whose file has changed since is dropped.
    std::optional<QImage> Find(const QString& path, const QSize& cell,
                               const QDateTime& modified);
    // Null thumbnails are not kept.
    void Insert(const QString& path, const QSize& cell, const QDateTime& modified,
                const QImage& thumbnail);
    void Clear();
    qint64 Bytes() const;

    // The one cache of the program.
    static ThumbnailCache& Shared();

private:
    struct CacheEntry
    {
        QDateTime modified;
        QImage thumbnail;
        std::list<QString>::iterator place;   // in m_order
    };
    QString Key(const QString& path, const QSize& cell) const;
    void Remove(QHash<QString, CacheEntry>::iterator entry);
    void EvictOverLimit();

    mutable QMutex m_mutex;
    qint64 m_maxBytes;
    qint64 m_bytes = 0;
    std::list<QString> m_order;   // most recent first
    QHash<QString, CacheEntry> m_entries;
};

// Makes the thumbnails of a list of files on every core, handing each over as it is
// ready (in the thread the loader lives in), cached ones at once. Starting again or
// destroying the loader drops work that is no longer wanted.
class BackgroundThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundThumbnailLoader(ThumbnailCache& cache = ThumbnailCache::Shared(),
                              QObject* parent = nullptr);
    ~BackgroundThumbnailLoader() override;

    // Starts on `paths`, dropping the run before; results carry the index into this
    // list. A null image means the file could not be read. Cached thumbnails are handed
    // over before Start returns, in list order, and so is finished() when none are left
    // to decode (an empty list among them); the rest follow from the event loop, decoded
    // in list order.
    void Start(const QStringList& paths, const QSize& cell);
    // Drops what is not yet handed over; a cancelled run ends without finished().
    void Cancel();
    bool IsRunning() const { return m_remaining > 0; }
    // Waits until every thumbnail of the current run has been handed over (tests and
    // benchmarks); events are processed meanwhile.
    void WaitForFinished();

Q_SIGNALS:
    void ThumbnailReady(int index, const QImage& thumbnail);
    void Progress(int done, int total);
    void Finished();

private:
    struct LoadRun;
    static void Decode(const std::shared_ptr<LoadRun>& run);
    void Decoded(quint64 run, int index, const QDateTime& modified, const QImage& thumbnail);
    void Deliver(quint64 run, int index, const QImage& thumbnail);

    ThumbnailCache& m_cache;
    std::shared_ptr<LoadRun> m_run;
    quint64 m_runNumber = 0;
    QStringList m_paths;
    QSize m_cell;
    int m_total = 0;
    int m_done = 0;
    int m_remaining = 0;
};
