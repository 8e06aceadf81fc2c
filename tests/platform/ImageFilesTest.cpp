#include "platform/ImageFiles.h"
#include "support/DatabaseFile.h"
#include "support/HostileFiles.h"
#include "support/PixelProbes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Four flat quarters, so lossy encoders still keep each colour recognisable.
QImage Quarters()
{
    QImage image(64, 48, QImage::Format_RGB32);
    const QColor colours[] = {QColor(200, 30, 30), QColor(30, 160, 40), QColor(20, 40, 210),
                              QColor(250, 250, 250)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, colours[(y >= 24 ? 2 : 0) + (x >= 32 ? 1 : 0)]);
    return image;
}

} // namespace

TEST(ImageFiles, EveryWritableFormatReadsBackAsWrittenAndRefusedWritesLeaveNothing)
{
    QTemporaryDir dir;
    const QImage original = Quarters();
    const struct { const char* name; int tolerance; } formats[] = {
        {"a.png", 0}, {"a.bmp", 0}, {"a.tif", 0}, {"a.gif", 6}, {"a.jpg", 12}, {"a.JPEG", 12}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        const QString path = dir.filePath(QLatin1String(format.name));
        QString error;
        ASSERT_TRUE(ImageFiles::Write(original, path, &error)) << error.toStdString();
        const QImage back = ImageFiles::Read(path);
        ASSERT_EQ(back.size(), original.size());
        for (QPoint probe : {QPoint(10, 10), QPoint(50, 10), QPoint(10, 40), QPoint(50, 40)})
            EXPECT_TRUE(ColorsNear(back.pixelColor(probe), original.pixelColor(probe), format.tolerance))
                << probe.x() << "," << probe.y();
    }
    // The GIF came from giflib, not from a Qt writer, and is a real GIF.
    QFile gif(dir.filePath(QStringLiteral("a.gif")));
    ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
    EXPECT_TRUE(gif.read(6).startsWith("GIF8"));

    // More than 256 colours, mostly white page with black ink: the quantiser must not
    // grey the page.
    QImage page(300, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 40; ++y)
            page.setPixelColor(x, y, QColor(x % 256, (x * 3) % 256, y * 6));
    for (int x = 50; x < 250; ++x)
        page.setPixelColor(x, 150, Qt::black);
    const QString path = dir.filePath(QStringLiteral("page.gif"));
    ASSERT_TRUE(ImageFiles::Write(page, path));
    const QImage back = ImageFiles::Read(path);
    EXPECT_EQ(back.pixelColor(150, 100), QColor(Qt::white));
    const QColor ink = back.pixelColor(150, 150);
    EXPECT_LT(ink.red() + ink.green() + ink.blue(), 60);

    QString error;
    const QString odd = dir.filePath(QStringLiteral("a.xyz"));
    EXPECT_FALSE(ImageFiles::Write(Quarters(), odd, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("xyz")));
    EXPECT_FALSE(QFile::exists(odd));
    EXPECT_FALSE(ImageFiles::Write(QImage(), dir.filePath(QStringLiteral("b.png")), &error));
    EXPECT_FALSE(ImageFiles::Write(Quarters(), dir.filePath(QStringLiteral("no/folder/c.png")), &error));
    EXPECT_TRUE(ImageFiles::Read(dir.filePath(QStringLiteral("missing.png"))).isNull());

    // A GIF side beyond sixteen bits is refused with a message; the largest is written.
    for (const QSize size : {QSize(70000, 1), QSize(1, 70000), QSize(65535, 2)}) {
        SCOPED_TRACE(size.width());
        QImage strip(size, QImage::Format_RGB32);
        strip.fill(Qt::white);
        const QString strips = dir.filePath(QStringLiteral("strip.gif"));
        const bool fits = size.width() <= 65535 && size.height() <= 65535;
        EXPECT_EQ(ImageFiles::Write(strip, strips, &error), fits) << error.toStdString();
        EXPECT_EQ(QFile::exists(strips), fits);
        if (fits) {
            EXPECT_EQ(QImage(strips).size(), size);
        } else {
            EXPECT_TRUE(error.contains(QStringLiteral("65"))) << error.toStdString();
        }
    }
}

TEST(ImageFiles, CameraPicturesAreReadUprightAndOnlyFromRegularFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("camera.jpg"));
    ASSERT_FALSE(HostileFiles::WriteTurnedCameraPhoto(path).isEmpty());
    // Turned a quarter clockwise: the left half, red, is now on top.
    const QImage upright = ImageFiles::Read(path);
    ASSERT_EQ(upright.size(), QSize(40, 80));
    EXPECT_TRUE(ColorsNear(upright.pixelColor(20, 10), Qt::red, 40));
    EXPECT_TRUE(ColorsNear(upright.pixelColor(20, 70), Qt::blue, 40));

    ImageFiles::ReadLimits limits;
    limits.maxPixels = 40 * 80 - 1;
    ImageFiles::ReadFailure failure = ImageFiles::ReadFailure::None;
    EXPECT_TRUE(ImageFiles::Read(path, limits, &failure).isNull());
    EXPECT_EQ(failure, ImageFiles::ReadFailure::TooLarge);

    // A GIF whose screen is far taller than it first says still fits what was asked.
    const QString tall = WriteBytes(dir.filePath(QStringLiteral("tall.gif")),
                                    QByteArray::fromHex("474946383961010001088010" "00ffffff000000"
                                                        "21f90401000000002c00000000010001000002"
                                                        "2d01003b00"));
    limits = ImageFiles::ReadLimits{};
    limits.fitSide = 64;
    const QImage fitted = ImageFiles::Read(tall, limits, &failure);
    EXPECT_EQ(failure, ImageFiles::ReadFailure::None);
    EXPECT_LE(std::max(fitted.width(), fitted.height()), 64);

    NamedPipe pipe(dir.filePath(QStringLiteral("pipe.jpg")));
    ASSERT_TRUE(pipe.IsMade());
    EXPECT_TRUE(pipe.ReturnsPromptly([&] { ImageFiles::Read(pipe.Path(), {}, &failure); }));
    EXPECT_EQ(failure, ImageFiles::ReadFailure::NotAFile);
    EXPECT_TRUE(ImageFiles::Read(dir.path()).isNull());
}

#if defined(__GLIBC__)
TEST(ImageFiles, WritingGifsGivesBackTheMemoryItTakes)
{
    const auto inUse = [] {
        const struct mallinfo2 heap = mallinfo2();
        return qint64(heap.uordblks + heap.hblkhd);
    };
    const QImage picture = Quarters().scaled(600, 400);
    ImageFiles::EncodeGif(picture); // whatever is made once and kept
    const qint64 before = inUse();
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(ImageFiles::EncodeGif(picture).isEmpty());
    // Each picture's 240,000-byte raster would stay behind if anything leaked.
    EXPECT_LT(inUse() - before, 100'000);
}
#endif

TEST(ImageFiles, DecodedBitmapsKeepTheirFilesDepth)
{
    EXPECT_EQ(ImageFiles::DecodedBitmap(Quarters()).format(), QImage::Format_BGR888);
    QImage withAlpha(4, 4, QImage::Format_ARGB32_Premultiplied);
    withAlpha.fill(QColor(10, 20, 30, 40));
    const QImage decoded = ImageFiles::DecodedBitmap(withAlpha);
    EXPECT_EQ(decoded.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(decoded.pixel(1, 1)), 40);
    QImage grey(4, 4, QImage::Format_Grayscale8);
    EXPECT_EQ(ImageFiles::DecodedBitmap(grey).depth(), 8);
    QImage mono(4, 4, QImage::Format_Mono);
    mono.fill(1);
    EXPECT_EQ(ImageFiles::DecodedBitmap(mono).format(), QImage::Format_Indexed8);
    // Blue, green, red in memory, as pixel arithmetic expects.
    const QImage bgr = ImageFiles::DecodedBitmap(Quarters());
    EXPECT_EQ(bgr.constScanLine(0)[0], 30);
    EXPECT_EQ(bgr.constScanLine(0)[2], 200);
}
