#include "photos/Thumbnails.h"

#include "LibraryFolder.h"
#include "support/ExifJpeg.h"
#include "support/HostileFiles.h"
#include "support/PixelProbes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QThread>
#include <gtest/gtest.h>
#include <array>
#include <map>
#include <tuple>
#include <vector>

namespace {

const QColor kRed(Qt::red);
const QColor kBlue(Qt::blue);
const QSize kCell(100, 80);

QImage Flat(const QColor& colour, int width = 200, int height = 150)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

using HostileFiles::RedBlueHalves;

QString Saved(const LibraryFolder& home, const QString& name, const QImage& image)
{
    const QString path = home.Path(name);
    EXPECT_TRUE(image.save(path, nullptr, 90));
    return path;
}

bool Shows(const QImage& thumbnail, int x, int y, const QColor& colour)
{
    return qAlpha(thumbnail.pixel(x, y)) == 255 &&
           ColorsNear(thumbnail.pixelColor(x, y), colour, 24);
}

// A picture of RedBlueHalves() fitted into `where`, split the way `split` says (red first), on
// transparency where the cell leaves room.
void ExpectHalvesAt(const QImage& thumbnail, const QRect& where, Qt::Orientation split)
{
    ASSERT_EQ(thumbnail.size(), kCell);
    EXPECT_EQ(thumbnail.format(), QImage::Format_ARGB32_Premultiplied);
    const QPoint centre = where.center();
    const QPoint quarter = split == Qt::Horizontal ? QPoint(where.width() / 4, 0)
                                                   : QPoint(0, where.height() / 4);
    EXPECT_TRUE(Shows(thumbnail, where.left() + 1, where.top() + 1, kRed));
    EXPECT_TRUE(Shows(thumbnail, centre.x() + quarter.x(), centre.y() + quarter.y(), kBlue));
    EXPECT_TRUE(Shows(thumbnail, where.right() - 1, where.bottom() - 1, kBlue));
    const QPoint outside = where.left() > 0 ? QPoint(where.left() - 1, centre.y())
                                            : QPoint(centre.x(), where.bottom() + 1);
    if (thumbnail.rect().contains(outside)) {
        EXPECT_EQ(qAlpha(thumbnail.pixel(outside)), 0);
    }
}

// Four colours, one to a quarter, so any turn or mirror shows.
QImage Quarters(const std::array<QColor, 4>& colours, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, colours[(y >= height / 2) * 2 + (x >= width / 2)]);
    return image;
}

} // namespace

TEST(Thumbnails, PicturesAreFittedAndCentredOnTransparencyAndWhatIsNoPhotoGivesNothing)
{
    LibraryFolder home;
    // A wide JPEG gets bands above and below, a tall PNG (decoded whole) left and right,
    // and a small picture is made as large as the cell allows.
    const std::tuple<const char*, QSize, QRect> fits[] = {
        {"wide.jpg", {800, 600}, {0, 2, 100, 75}},
        {"tall.png", {600, 800}, {20, 0, 60, 80}},
        {"small.png", {20, 20}, {10, 0, 80, 80}}};
    for (const auto& [name, size, where] : fits) {
        SCOPED_TRACE(name);
        const QString path = Saved(home, name, RedBlueHalves(size.width(), size.height()));
        ExpectHalvesAt(Thumbnails::Make(path, kCell), where, Qt::Horizontal);
    }
    {
        SCOPED_TRACE("JPEG stored 400 x 200, camera turned: stands 200 x 400, red on top");
        const QString path =
            home.Write(S("turned.jpg"), ExifJpeg::Photo(RedBlueHalves(400, 200), 6));
        ExpectHalvesAt(Thumbnails::Make(path, kCell), QRect(30, 0, 40, 80), Qt::Vertical);
    }

    const QByteArray notAPicture("\xFF\xD8\xFF not a picture at all", 25);
    const QString garbage = home.Write(S("garbage.jpg"), notAPicture.repeated(40));
    EXPECT_TRUE(Thumbnails::Make(garbage, kCell).isNull());
    NamedPipe pipe(home.Path(S("pipe.jpg")));
    ASSERT_TRUE(pipe.IsMade());
    EXPECT_TRUE(pipe.ReturnsPromptly([&] {
        EXPECT_TRUE(Thumbnails::Make(pipe.Path(), kCell).isNull());
    }));
    // A bitmap written as text is a picture to Qt, but not a photo.
    EXPECT_TRUE(Thumbnails::Make(Saved(home, "text.xpm", Flat(kRed, 4, 4)), kCell).isNull());
    EXPECT_TRUE(Thumbnails::Make(Saved(home, "empty-cell.png", Flat(kRed)), QSize(0, 80)).isNull());

    // Cut short in the middle of the picture data: whatever comes back is cell-sized.
    Saved(home, S("whole.jpg"), RedBlueHalves(800, 600));
    const QByteArray whole = home.Read(S("whole.jpg"));
    for (const qsizetype length : {whole.size() / 2, qsizetype(30)}) {
        SCOPED_TRACE(length);
        const QString cut = home.Write(S("cut.jpg"), whole.left(length));
        const QImage thumbnail = Thumbnails::Make(cut, kCell);
        EXPECT_TRUE(thumbnail.isNull() || thumbnail.size() == kCell);
    }

    // Beyond any camera.
    EXPECT_EQ(Thumbnails::Make(Saved(home, "widest.png", Flat(kRed, 30000, 2)), kCell).size(),
              kCell);
    EXPECT_TRUE(Thumbnails::Make(Saved(home, "wider.png", Flat(kRed, 30001, 2)), kCell).isNull());
}

// A camera's small preview stands in for the photo only when it is sound, large enough
// for the cell and of the photo's shape, and it is turned as the photo is. The preview's
// colours differ from the photo's, so each case shows which of the two was drawn.
TEST(Thumbnails, CameraPreviewStandsInForThePhotoOnlyWhenItFits)
{
    LibraryFolder home;
    const QImage photo = Quarters({kRed, kBlue, QColor(Qt::green), QColor(Qt::yellow)}, 800, 600);
    const auto preview = [](int width, int height) {
        return Quarters({QColor(Qt::cyan), QColor(Qt::magenta), QColor(Qt::white),
                         QColor(Qt::black)}, width, height);
    };
    const QByteArray sound = ExifJpeg::Encoded(preview(160, 120));
    // What it is, the orientation, the preview's bytes, the cell, whether it is drawn.
    using Case = std::tuple<const char*, int, QByteArray, QSize, bool>;
    std::vector<Case> cases = {
        {"none", 6, {}, kCell, false},
        {"tiny", 1, ExifJpeg::Encoded(preview(40, 30)), kCell, false},
        {"smaller than a zoomed cell", 1, sound, {200, 160}, false},
        {"another shape", 1, ExifJpeg::Encoded(preview(160, 90)), kCell, false},
        {"cut short", 6, sound.left(sound.size() / 2), kCell, false},
        {"not a picture", 1, QByteArray("\xFF\xD8\xFF junk \xFF\xD9"), kCell, false}};
    for (int orientation = 1; orientation <= 8; ++orientation)
        cases.emplace_back("sound", orientation, sound, kCell, true);

    for (const auto& [name, orientation, bytes, cell, drawsPreview] : cases) {
        SCOPED_TRACE(testing::Message() << name << ", orientation " << orientation);
        const QImage thumbnail = Thumbnails::Make(
            home.Write(S("camera.jpg"), ExifJpeg::Photo(photo, orientation, bytes)), cell);
        // Qt's own reader on the picture expected, turned the same way, without a preview.
        const QImage expected = Thumbnails::Make(
            home.Write(S("plain.jpg"),
                       ExifJpeg::Photo(drawsPreview ? preview(160, 120) : photo, orientation)),
            cell);
        ASSERT_EQ(thumbnail.size(), cell);
        const QPoint centre(cell.width() / 2, cell.height() / 2);
        const int dx = cell.width() / 8, dy = cell.height() / 5;
        for (const QPoint probe : {centre + QPoint(-dx, -dy), centre + QPoint(dx, -dy),
                                   centre + QPoint(-dx, dy), centre + QPoint(dx, dy)})
            EXPECT_TRUE(ColorsNear(thumbnail.pixelColor(probe), expected.pixelColor(probe), 40))
                << probe.x() << "," << probe.y();
    }
}

TEST(ThumbnailCache, KeepsThumbnailsWhileTheirFileIsUnchangedLeastRecentlyUsedGoingFirst)
{
    ThumbnailCache cache;
    const QDateTime taken(QDate(2024, 5, 1), QTime(9, 30));
    const QImage thumbnail = Flat(kRed, 100, 80);
    cache.Insert("/photos/a.jpg", kCell, taken, thumbnail);
    EXPECT_EQ(cache.Bytes(), thumbnail.sizeInBytes());

    EXPECT_FALSE(cache.Find("/photos/a.jpg", QSize(150, 120), taken).has_value());

    // Written again: replaced, not counted twice.
    cache.Insert("/photos/a.jpg", kCell, taken, Flat(kBlue, 100, 80));
    EXPECT_EQ(cache.Bytes(), thumbnail.sizeInBytes());
    EXPECT_EQ(cache.Find("/photos/a.jpg", kCell, taken)->pixelColor(5, 5), kBlue);

    // The file changed since: the entry is stale and goes.
    EXPECT_FALSE(cache.Find("/photos/a.jpg", kCell, taken.addSecs(2)).has_value());
    EXPECT_EQ(cache.Bytes(), 0);

    ThumbnailCache small(thumbnail.sizeInBytes() * 5 / 2);
    small.Insert("a", kCell, taken, thumbnail);
    small.Insert("b", kCell, taken, thumbnail);
    ASSERT_TRUE(small.Find("a", kCell, taken).has_value());
    small.Insert("c", kCell, taken, thumbnail);
    EXPECT_FALSE(small.Find("b", kCell, taken).has_value());
    EXPECT_TRUE(small.Find("a", kCell, taken).has_value());
    EXPECT_EQ(small.Bytes(), thumbnail.sizeInBytes() * 2);
}

namespace {

// Everything a loader hands over, as it comes.
struct Deliveries
{
    explicit Deliveries(BackgroundThumbnailLoader& loader)
    {
        QObject::connect(&loader, &BackgroundThumbnailLoader::ThumbnailReady,
                         [this](int index, const QImage& image) { images[index] << image; });
        QObject::connect(&loader, &BackgroundThumbnailLoader::Progress,
                         [this](int done, int total) { progress.emplace_back(done, total); });
        QObject::connect(&loader, &BackgroundThumbnailLoader::Finished, [this] { ++finished; });
    }
    void Clear() { *this = Deliveries(); }

    std::map<int, QList<QImage>> images;   // by index, each time it came
    std::vector<std::pair<int, int>> progress;
    int finished = 0;

private:
    Deliveries() = default;
};

// Every one of `total` indices came once, showing `colour`; `unreadable` came null.
void ExpectEachOnce(const Deliveries& got, int total, const QColor& colour,
                    int unreadable = -1)
{
    ASSERT_EQ(got.images.size(), size_t(total));
    for (const auto& [index, images] : got.images) {
        SCOPED_TRACE(index);
        ASSERT_EQ(images.size(), 1);
        if (index == unreadable)
            EXPECT_TRUE(images[0].isNull());
        else
            EXPECT_TRUE(Shows(images[0], 50, 40, colour));
    }
}

// Gives results of dropped runs time to arrive, were they to be handed over.
void ProcessEventsFor(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A folder of photos of one colour and a cache to fill from it.
class ThumbnailLoader : public ::testing::Test
{
protected:
    QStringList Photos(const QString& stem, const QColor& colour, int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << Saved(home, QStringLiteral("%1%2.jpg").arg(stem).arg(i), Flat(colour));
        return paths;
    }

    LibraryFolder home;
    ThumbnailCache cache;
};

} // namespace

TEST_F(ThumbnailLoader, HandsOverEveryFileOnceThenFinishesAndServesAVisitAgainFromTheCache)
{
    QStringList paths = Photos("p", kRed, 6);
    const QString garbage = home.Write(S("garbage.jpg"), "not a picture");
    paths.insert(3, garbage);

    BackgroundThumbnailLoader loader(cache);
    Deliveries got(loader);
    loader.Start(paths, kCell);
    loader.WaitForFinished();

    EXPECT_EQ(got.finished, 1);
    ExpectEachOnce(got, 7, kRed, 3);
    ASSERT_EQ(got.progress.size(), 7u);
    EXPECT_EQ(got.progress.back(), std::make_pair(7, 7));
    // Six pictures kept; the unreadable file is not.
    EXPECT_EQ(cache.Bytes(), 6 * kCell.width() * kCell.height() * 4);

    got.Clear();
    loader.Start({}, kCell);
    EXPECT_EQ(got.finished, 1);
    EXPECT_TRUE(got.images.empty());

    // Visited again, the photos come from the cache at once: here they have become
    // garbage with their old times, which only the cache can still show.
    paths.removeAt(3);
    for (const QString& path : paths) {
        const QDateTime modified = QFileInfo(path).lastModified();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write("not a picture") && file.flush());
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    got.Clear();
    loader.Start(paths, kCell);
    EXPECT_EQ(got.finished, 1);
    ExpectEachOnce(got, 6, kRed);
}

TEST_F(ThumbnailLoader, StartingAgainDropsTheRunBeforeAndDestroyingWhileDecodingIsSafe)
{
    const QStringList reds = Photos("red", kRed, 24);
    const QStringList blues = Photos("blue", kBlue, 3);
    BackgroundThumbnailLoader loader(cache);
    loader.Start(reds, kCell);
    QThread::msleep(100);   // the decoding threads post results not taken yet
    Deliveries got(loader);
    loader.Start(blues, kCell);
    loader.WaitForFinished();
    ProcessEventsFor(300);

    EXPECT_EQ(got.finished, 1);
    ExpectEachOnce(got, 3, kBlue);
    EXPECT_EQ(got.progress.back(), std::make_pair(3, 3));

    got.Clear();
    loader.Start(reds, kCell);
    QThread::msleep(100);
    loader.Cancel();
    loader.WaitForFinished();
    ProcessEventsFor(300);
    EXPECT_EQ(got.finished, 0);
    // Nothing was cached: the first run's results were dropped along with it.
    EXPECT_TRUE(got.images.empty());

    // Destroyed while decoding: the threads finish what they were decoding and find
    // nobody to hand it to.
    {
        BackgroundThumbnailLoader doomed(cache);
        doomed.Start(reds, kCell);
        QCoreApplication::processEvents();
    }
    ProcessEventsFor(300);
}
