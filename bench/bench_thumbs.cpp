// Thumbnails of a camera folder, cold and warm: 300 photos of 4000 × 3000 at 100 × 80,
// once with the 160 × 120 preview cameras put in the EXIF block and once without.
// Goals: with previews, cold under 1 s and at least ten times faster than vipsthumbnail
// on the same files; without, cold within 1.5× of vipsthumbnail; warm under 0.2 s.
// The files stay in the system's file cache between rounds, so "cold" means nothing is
// in the thumbnail cache, not that the disk is read. vipsthumbnail also starts its
// processes and writes a small JPEG per photo, which the loader does not.
#include "CameraPicture.h"
#include "support/ExifJpeg.h"
#include "photos/Thumbnails.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kPhotos = 300;
const QSize kCell(100, 80);

QString PhotoName(int i)
{
    return QStringLiteral("photo_%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
}

// Made once and kept between runs: one photo encoded, copied under 300 names. The
// marker file is written last, so a folder left half made is made again.
QStringList MakeCameraFolder(const QString& where, bool withPreview)
{
    const QDir folder(where);
    const QString marker = folder.filePath(QStringLiteral("complete"));
    QStringList made;
    for (int i = 1; i <= kPhotos; ++i)
        made << folder.filePath(PhotoName(i));
    if (QFile::exists(marker))
        return made;
    folder.mkpath(QStringLiteral("."));
    const QString first = made.first();
    QFile::remove(first);
    // Noise enough for a JPEG of about 3.5 MB, as a 12-megapixel camera writes.
    const QImage picture = MakeCameraPicture(48);
    const QByteArray preview = withPreview
        ? ExifJpeg::Encoded(picture.scaled(160, 120, Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation), 85)
        : QByteArray();
    QFile photo(first);
    if (!photo.open(QIODevice::WriteOnly) ||
        !photo.write(ExifJpeg::Photo(picture, 1, preview, 90)))
        qWarning("The photo could not be written: %s", qPrintable(first));
    photo.close();
    for (const QString& path : made.mid(1)) {
        QFile::remove(path);
        QFile::copy(first, path);
    }
    QFile complete(marker);
    if (!complete.open(QIODevice::WriteOnly))
        qWarning("The photos are made again next time: %s", qPrintable(marker));
    return made;
}

// Argument 1: photos with a preview; 0: without.
const QStringList& CameraFolder(bool withPreview)
{
    static const QStringList plain =
        MakeCameraFolder(QStringLiteral("/tmp/tendrel-bench-thumbs"), false);
    static const QStringList previewed =
        MakeCameraFolder(QStringLiteral("/tmp/tendrel-bench-thumbs-preview"), true);
    return withPreview ? previewed : plain;
}

// One run of a fresh loader; false when a thumbnail did not come or came empty.
bool LoadAll(ThumbnailCache& cache, const QStringList& paths)
{
    BackgroundThumbnailLoader loader(cache);
    int made = 0;
    QObject::connect(&loader, &BackgroundThumbnailLoader::ThumbnailReady,
                     [&made](int, const QImage& thumbnail) { made += !thumbnail.isNull(); });
    loader.Start(paths, kCell);
    loader.WaitForFinished();
    return made == paths.size();
}

void BM_ThumbsCold(benchmark::State& state)
{
    const QStringList& paths = CameraFolder(state.range(0) != 0);
    for (auto _ : state) {
        ThumbnailCache cache;
        if (!LoadAll(cache, paths))
            state.SkipWithError("a photo gave no thumbnail");
    }
}

void BM_ThumbsWarm(benchmark::State& state)
{
    const QStringList& paths = CameraFolder(state.range(0) != 0);
    ThumbnailCache cache;
    LoadAll(cache, paths);
    for (auto _ : state)
        if (!LoadAll(cache, paths))
            state.SkipWithError("a photo gave no thumbnail");
}

// vipsthumbnail on the same files, the list split between `processes` processes at once.
void BM_VipsThumbnail(benchmark::State& state)
{
    const QString vips = QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail"));
    if (vips.isEmpty()) {
        state.SkipWithError("vipsthumbnail is not installed");
        return;
    }
    const QStringList& paths = CameraFolder(state.range(0) != 0);
    const int processes = int(state.range(1));
    for (auto _ : state) {
        QTemporaryDir out;
        std::vector<std::unique_ptr<QProcess>> running;
        const qsizetype share = (paths.size() + processes - 1) / processes;
        for (int p = 0; p < processes; ++p) {
            QStringList arguments = paths.mid(p * share, share);
            arguments << QStringLiteral("-s") << QStringLiteral("100x80") << QStringLiteral("-o")
                      << out.filePath(QStringLiteral("%s.jpg"));
            running.push_back(std::make_unique<QProcess>());
            running.back()->start(vips, arguments);
        }
        for (const auto& process : running)
            if (!process->waitForFinished(-1) || process->exitCode() != 0)
                state.SkipWithError("vipsthumbnail failed");
    }
}

} // namespace

BENCHMARK(BM_ThumbsCold)->ArgName("preview")->Arg(1)->Arg(0)
    ->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ThumbsWarm)->ArgName("preview")->Arg(1)->Arg(0)
    ->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_VipsThumbnail)
    ->ArgNames({"preview", "processes"})
    ->ArgsProduct({{1, 0}, {1, 2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
