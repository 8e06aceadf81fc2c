#include "photos/Thumbnails.h"

#include "photos/JpegExif.h"
#include "platform/RegularFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <QTransform>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

namespace Thumbnails {
namespace {

// Files claiming more are hostile or broken; no camera comes near.
constexpr int kMaxSide = 30000;
constexpr qint64 kMaxPixels = 200'000'000;
// What a decoder may allocate: kinds that cannot scale while decoding are decoded whole,
// so 64 million pixels at four bytes. A larger photo of such a kind is not worth the
// memory, and a few bytes of GIF can claim a screen far larger than its declared size.
constexpr int kAllocationLimitMb = 256;

// Decoders of other kinds (drawings, icons, bitmaps written as text) have no business
// running on whatever lies in a photo folder.
bool IsPhotoKind(const QByteArray& format)
{
    static const QByteArrayList kinds = {"jpeg", "png", "bmp", "gif", "tiff", "webp"};
    return kinds.contains(format);
}

bool IsAcceptable(const QSize& size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide &&
           size.height() <= kMaxSide && qint64(size.width()) * size.height() <= kMaxPixels;
}

// The reader's limit is one for the whole program: raised once, never lowered below
// what the program chose.
void RaiseAllocationLimit()
{
    static const bool raised = [] {
        const int limit = QImageReader::allocationLimit();
        if (limit != 0 && limit < kAllocationLimitMb)
            QImageReader::setAllocationLimit(kAllocationLimitMb);
        return true;
    }();
    Q_UNUSED(raised);
}

QSize Fitted(const QSize& picture, const QSize& cell)
{
    return picture.scaled(cell, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage Centred(const QImage& picture, const QSize& cell)
{
    QImage placed(cell, QImage::Format_ARGB32_Premultiplied);
    placed.fill(Qt::transparent);
    QPainter painter(&placed);
    painter.drawImage(QPoint((cell.width() - picture.width()) / 2,
                             (cell.height() - picture.height()) / 2),
                      picture);
    return placed;
}

// EXIF counts eight ways a camera may have held itself; mirror first, then a quarter turn
// clockwise, as Qt's own reader does.
QImage Upright(QImage picture, int orientation)
{
    static constexpr struct { bool mirror, flip, quarter; } kTurns[9] = {
        {}, {false, false, false}, {true, false, false}, {true, true, false},
        {false, true, false}, {false, true, true}, {false, false, true},
        {true, false, true}, {true, true, true}};
    const auto& turn = kTurns[orientation >= 1 && orientation <= 8 ? orientation : 1];
    if (turn.mirror || turn.flip)
        picture = std::move(picture).mirrored(turn.mirror, turn.flip);
    if (turn.quarter)
        picture = picture.transformed(QTransform().rotate(90));
    return picture;
}

// A preview of a different shape has bands or is cropped, and one smaller than the
// fitted picture would show blurred; the photo itself is decoded then.
bool PreviewFits(const QSize& preview, const QSize& stored, const QSize& fitted)
{
    if (!IsAcceptable(preview) || !IsAcceptable(stored))
        return false;
    const qint64 crossA = qint64(preview.width()) * stored.height();
    const qint64 crossB = qint64(preview.height()) * stored.width();
    // One preview pixel of rounding, or one per cent.
    const qint64 tolerance =
        std::max({qint64(stored.width()), qint64(stored.height()), crossB / 100});
    return std::abs(crossA - crossB) <= tolerance && preview.width() >= fitted.width() &&
           preview.height() >= fitted.height();
}

// The camera's own small preview, when it is fit to stand for the photo; null otherwise.
QImage FromCameraPreview(QIODevice& device, const QSize& cell)
{
    // Camera previews sit in the first EXIF block, which is at most 64 KiB.
    constexpr qint64 kHeadBytes = 96 * 1024;
    const QByteArray head = device.peek(kHeadBytes);
    const JpegExif exif = ReadJpegExif(head);
    if (!exif.HasPreview() || !exif.stored.isValid())
        return {};
    const bool turned = exif.orientation >= 5;
    const QSize fitted = Fitted(turned ? exif.stored.transposed() : exif.stored, cell);

    qsizetype length = exif.previewLength;
    while (length > 0 && head[exif.previewOffset + length - 1] == '\0')
        --length;   // some cameras pad the preview
    QByteArray bytes = QByteArray::fromRawData(head.constData() + exif.previewOffset, length);
    // A preview cut short decodes as grey below the cut without complaint.
    if (!bytes.startsWith("\xFF\xD8\xFF") || !bytes.endsWith("\xFF\xD9"))
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false);
    if (!PreviewFits(reader.size(), exif.stored, turned ? fitted.transposed() : fitted))
        return {};
    QImage preview = reader.read();
    if (preview.isNull())
        return {};
    preview = Upright(std::move(preview), exif.orientation);
    return Centred(preview.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), cell);
}

} // namespace

QImage FromDevice(QIODevice& device, const QSize& cell)
{
    if (cell.isEmpty())
        return {};
    RaiseAllocationLimit();
    if (QImage quick = FromCameraPreview(device, cell); !quick.isNull())
        return quick;
    QImageReader reader(&device);
    if (!IsPhotoKind(reader.format()))
        return {};
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid()) {
        if (!IsAcceptable(stored))
            return {};
        // The decoder scales the picture as stored; the camera's turn comes after.
        const bool turned =
            reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        const QSize fitted = Fitted(turned ? stored.transposed() : stored, cell);
        if (reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(turned ? fitted.transposed() : fitted);
    }
    QImage picture = reader.read();
    if (picture.isNull() || !IsAcceptable(picture.size()))
        return {};
    const QSize fitted = Fitted(picture.size(), cell);
    if (picture.size() != fitted)
        picture = picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Centred(picture, cell);
}

QImage Make(const QString& path, const QSize& cell)
{
    QFile file(path);
    if (!RegularFiles::OpenForReading(file)) // a pipe in a photo folder would hold the thread
        return {};
    return FromDevice(file, cell);
}

QSize CellForZoom(double zoom)
{
    return QSize(qRound(100 * zoom), qRound(80 * zoom));
}

} // namespace Thumbnails

ThumbnailCache::ThumbnailCache(qint64 maxBytes) : m_maxBytes(maxBytes) {}

std::optional<QImage> ThumbnailCache::Find(const QString& path, const QSize& cell,
                                            const QDateTime& modified)
{
    QMutexLocker lock(&m_mutex);
    const auto entry = m_entries.find(Key(path, cell));
    if (entry == m_entries.end())
        return std::nullopt;
    if (entry->modified != modified) {
        Remove(entry);
        return std::nullopt;
    }
    m_order.splice(m_order.begin(), m_order, entry->place);
    return entry->thumbnail;
}

void ThumbnailCache::Insert(const QString& path, const QSize& cell, const QDateTime& modified,
                             const QImage& thumbnail)
{
    if (thumbnail.isNull())
        return;
    QMutexLocker lock(&m_mutex);
    const QString key = Key(path, cell);
    if (const auto old = m_entries.find(key); old != m_entries.end())
        Remove(old);
    m_order.push_front(key);
    m_entries.insert(key, CacheEntry{modified, thumbnail, m_order.begin()});
    m_bytes += thumbnail.sizeInBytes();
    EvictOverLimit();
}

void ThumbnailCache::Clear()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
    m_order.clear();
    m_bytes = 0;
}

qint64 ThumbnailCache::Bytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_bytes;
}

ThumbnailCache& ThumbnailCache::Shared()
{
    static ThumbnailCache cache;
    return cache;
}

QString ThumbnailCache::Key(const QString& path, const QSize& cell) const
{
    return QString::number(cell.width()) + u'x' + QString::number(cell.height()) + u' ' + path;
}

void ThumbnailCache::Remove(QHash<QString, CacheEntry>::iterator entry)
{
    m_bytes -= entry->thumbnail.sizeInBytes();
    m_order.erase(entry->place);
    m_entries.erase(entry);
}

void ThumbnailCache::EvictOverLimit()
{
    while (m_bytes > m_maxBytes && !m_order.empty())
        Remove(m_entries.find(m_order.back()));
}

// What the decoding threads share with the loader. The loader lets go of it when the
// run is dropped; the threads only ever post to the loader under the mutex, and only
// while it still holds on.
struct BackgroundThumbnailLoader::LoadRun
{
    struct SourceFile
    {
        int index;
        QString path;
        QDateTime modified;
    };

    quint64 number = 0;
    QSize cell;
    std::vector<SourceFile> files;   // those not cached, in list order
    std::atomic<size_t> next{0};
    std::atomic<bool> cancelled{false};
    QMutex mutex;
    BackgroundThumbnailLoader* loader = nullptr;
};

namespace {

// Its own threads, so a folder of photos neither waits behind other work nor holds
// it up; at least two even on one core, as decoding waits on the disk too.
QThreadPool& DecodingThreads()
{
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
        return true;
    }();
    Q_UNUSED(sized);
    return pool;
}

} // namespace

BackgroundThumbnailLoader::BackgroundThumbnailLoader(ThumbnailCache& cache, QObject* parent)
    : QObject(parent), m_cache(cache)
{
}

BackgroundThumbnailLoader::~BackgroundThumbnailLoader()
{
    Cancel();
}

void BackgroundThumbnailLoader::Start(const QStringList& paths, const QSize& cell)
{
    Cancel();
    const quint64 number = ++m_runNumber;
    m_paths = paths;
    m_cell = cell;
    m_total = int(paths.size());
    m_done = 0;
    m_remaining = m_total;

    auto run = std::make_shared<LoadRun>();
    run->number = number;
    run->cell = cell;
    run->loader = this;
    std::vector<std::pair<int, QImage>> cached;
    for (int i = 0; i < m_total; ++i) {
        const QDateTime modified = QFileInfo(paths[i]).lastModified();
        if (std::optional<QImage> hit = m_cache.Find(paths[i], cell, modified))
            cached.emplace_back(i, std::move(*hit));
        else
            run->files.push_back({i, paths[i], modified});
    }
    if (!run->files.empty()) {
        m_run = run;
        QThreadPool& threads = DecodingThreads();
        const auto workers = std::min<size_t>(size_t(threads.maxThreadCount()), run->files.size());
        for (size_t i = 0; i < workers; ++i)
            threads.start([run] { Decode(run); });
    }

    if (m_total == 0) {
        Q_EMIT Finished();
        return;
    }
    for (const auto& [index, thumbnail] : cached) {
        Deliver(number, index, thumbnail);
        if (number != m_runNumber)   // a receiver started again or cancelled
            return;
    }
}

void BackgroundThumbnailLoader::Cancel()
{
    if (m_run) {
        m_run->cancelled = true;
        QMutexLocker lock(&m_run->mutex);
        m_run->loader = nullptr;
    }
    m_run.reset();
    ++m_runNumber;   // results already on their way are dropped as they arrive
    m_remaining = 0;
}

void BackgroundThumbnailLoader::WaitForFinished()
{
    while (IsRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Runs on a decoding thread. Each thread takes the next file in list order, so the first
// screenful comes first.
void BackgroundThumbnailLoader::Decode(const std::shared_ptr<LoadRun>& run)
{
    while (!run->cancelled) {
        const size_t next = run->next++;
        if (next >= run->files.size())
            return;
        const LoadRun::SourceFile& file = run->files[next];
        const QImage thumbnail = Thumbnails::Make(file.path, run->cell);

        QMutexLocker lock(&run->mutex);
        BackgroundThumbnailLoader* loader = run->loader;
        if (!loader)
            return;
        // Destroying the loader takes back what is posted but not yet delivered.
        QMetaObject::invokeMethod(
            loader,
            [loader, number = run->number, index = file.index, modified = file.modified,
             thumbnail] { loader->Decoded(number, index, modified, thumbnail); },
            Qt::QueuedConnection);
    }
}

void BackgroundThumbnailLoader::Decoded(quint64 run, int index, const QDateTime& modified,
                               const QImage& thumbnail)
{
    if (run != m_runNumber)
        return;
    m_cache.Insert(m_paths[index], m_cell, modified, thumbnail);
    Deliver(run, index, thumbnail);
}

void BackgroundThumbnailLoader::Deliver(quint64 run, int index, const QImage& thumbnail)
{
    if (run != m_runNumber || m_remaining <= 0)
        return;
    ++m_done;
    --m_remaining;
    // Receivers may start again or cancel in between; the run number tells.
    Q_EMIT ThumbnailReady(index, thumbnail);
    if (run != m_runNumber)
        return;
    Q_EMIT Progress(m_done, m_total);
    if (run != m_runNumber || m_remaining > 0)
        return;
    m_run.reset();
    Q_EMIT Finished();
}
