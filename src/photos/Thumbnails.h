#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <atomic>
#include <list>
#include <optional>
#include <memory>

// Thumbnails of photos: decoded at reduced size and kept by path, size and
// modification time, so a folder visited again shows at once.
namespace Thumbnails {

// The picture fitted into a cell of `cell` pixels with its aspect ratio kept and centred
// on transparency; decoded at reduced size where the format allows (JPEG scales by
// 1/2, 1/4 or 1/8 while decoding). Camera orientation is applied. A null image when the
// file cannot be read.
QImage Make(const QString& path, const QSize& cell);

// The cell of a zoom factor: 100 × zoom by 80 × zoom, each rounded to the nearest.
QSize CellForZoom(double zoom);

} // namespace Thumbnails

// A bounded, thread-safe cache of thumbnails; the least recently used go first.
class CThumbnailCache
{
public:
    explicit CThumbnailCache(qint64 maxBytes = 192LL * 1024 * 1024);

    // The cached thumbnail when the file's modification time still matches.
    std::optional<QImage> Find(const QString& path, const QSize& cell,
                               const QDateTime& modified);
    void Insert(const QString& path, const QSize& cell, const QDateTime& modified,
                const QImage& thumbnail);
    void Clear();
    qint64 Bytes() const;

    // The one cache of the program.
    static CThumbnailCache& Shared();

private:
    struct CEntry;
    QString Key(const QString& path, const QSize& cell) const;
    void EvictOverLimit();

    mutable QMutex m_mutex;
    qint64 m_maxBytes;
    qint64 m_bytes = 0;
    std::list<QString> m_order;   // most recent first
    QHash<QString, std::shared_ptr<CEntry>> m_entries;
};

// Makes the thumbnails of a list of files on every core, handing each over as it is
// ready (in the thread the loader lives in), cached ones at once. Starting again or
// destroying the loader drops work that is no longer wanted.
class CThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    explicit CThumbnailLoader(CThumbnailCache& cache = CThumbnailCache::Shared(),
                              QObject* parent = nullptr);
    ~CThumbnailLoader() override;

    // Starts on `paths`; results carry the index into this list. A null image means the
    // file could not be read.
    void Start(const QStringList& paths, const QSize& cell);
    void Cancel();
    bool IsRunning() const { return m_remaining > 0; }
    // Waits until every thumbnail of the current run has been handed over (tests and
    // benchmarks); events are processed meanwhile.
    void WaitForFinished();

Q_SIGNALS:
    void thumbnailReady(int index, const QImage& thumbnail);
    void progress(int done, int total);
    void finished();

private:
    struct CRun;
    void Deliver(quint64 run, int index, const QImage& thumbnail);

    CThumbnailCache& m_cache;
    std::shared_ptr<CRun> m_run;
    quint64 m_runNumber = 0;
    int m_total = 0;
    int m_done = 0;
    int m_remaining = 0;
};
