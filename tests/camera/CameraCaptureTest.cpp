#include "MadeUpFrames.h"

#include "camera/CameraCapture.h"
#include "camera/CapturedPhotos.h"
#include "platform/Clock.h"
#include "support/DatabaseFile.h"
#include "support/TempHome.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

namespace {

class CameraCaptureTest : public ::testing::Test
{
protected:
    CameraCaptureTest() { Clock::SetNow(QDateTime(QDate(2026, 3, 4), QTime(12, 0), Qt::UTC)); }
    ~CameraCaptureTest() override { Clock::Reset(); }

    // Runs the grab timer's ticks and waits for what they stored.
    void Grab(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            m_capture.Grab();
        Settle();
    }
    void Settle()
    {
        m_capture.WaitForSaves();
        QCoreApplication::processEvents();
    }
    QStringList Stored(const QString& folder) const
    {
        return QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    }
    QString Photo(int number, const QString& folderName) const
    {
        return CapturedPhotos::Name(Clock::TodayLocal(), number, folderName);
    }

    TempHome m_home;
    const QString m_classFolder = m_home.FilePath(QStringLiteral("Pictures/AAA"));
    MadeUpFrames m_source;
    CameraCapture m_capture{m_source, m_classFolder};
};

TEST_F(CameraCaptureTest, TheTenthGrabbedFrameIsStoredAndStopResetsBothCounters)
{
    m_capture.Start();
    ASSERT_EQ(m_capture.Driver(), 0);
    ASSERT_TRUE(m_capture.IsCapturing());
    Grab(9);
    EXPECT_TRUE(Stored(m_classFolder).isEmpty());
    Grab(1);
    EXPECT_EQ(Stored(m_classFolder), QStringList{QStringLiteral("2026_3_4_000_AAA.jpg")});
    EXPECT_EQ(m_capture.PhotoCounter(), 1);
    Grab(10);
    EXPECT_EQ(Stored(m_classFolder).size(), 2);

    m_capture.Grab();
    m_capture.Stop();
    EXPECT_EQ(m_capture.FrameCounter(), 0);
    EXPECT_EQ(m_capture.PhotoCounter(), 0);
    EXPECT_FALSE(m_capture.IsCapturing());
    Grab(20);   // ticks while stopped take nothing
    EXPECT_EQ(Stored(m_classFolder).size(), 2);
}

TEST_F(CameraCaptureTest, FramesThatAreMissingOrIncompleteAreNotCountedOrStoredAndAnUnpluggedCameraStops)
{
    m_capture.Start();
    CameraFrame torn = MadeUpFrames::Packed(64, 48);
    torn.packedYuv.chop(2);
    m_source.Send(torn);
    Grab(10);
    EXPECT_TRUE(Stored(m_classFolder).isEmpty());
    m_source.Send(CameraFrame{});
    Grab(5);
    EXPECT_EQ(m_capture.FrameCounter(), 10);

    // A camera unplugged while capturing stops it.
    QSignalSpy failed(&m_capture, &CameraCapture::ConnectFailed);
    Q_EMIT m_source.Failed();
    EXPECT_EQ(failed.count(), 1);
    EXPECT_FALSE(m_capture.IsCapturing());
}

TEST_F(CameraCaptureTest, PhotosGoToTheClassFolderUntilAFolderIsChosen)
{
    m_capture.Start();
    m_capture.TakeOneNow();
    Settle();
    EXPECT_EQ(Stored(m_classFolder), QStringList{Photo(0, QStringLiteral("AAA"))});

    const QString child = m_home.FilePath(QStringLiteral("Pictures/Emma Lee"));
    QDir().mkpath(child);
    m_capture.SetFolder(child + QLatin1Char('/'));
    EXPECT_EQ(m_capture.FolderName(), QStringLiteral("Emma Lee"));
    m_capture.TakeOneNow();
    Settle();
    EXPECT_EQ(Stored(child), QStringList{QStringLiteral("2026_3_4_001_Emma Lee.jpg")});
}

TEST_F(CameraCaptureTest, NamesRunTo999ThenStartAgainAndNeverReplaceAPhoto)
{
    QDir().mkpath(m_classFolder);
    for (int number = 1; number <= 998; ++number)
        WriteBytes(QDir(m_classFolder).filePath(Photo(number, QStringLiteral("AAA"))),
                   "this morning's photo");
    QSignalSpy failed(&m_capture, &CameraCapture::PhotoFailed);
    m_capture.Start();
    for (const int expected : {0, 999}) {
        m_capture.TakeOneNow();
        Settle();
        EXPECT_TRUE(QFile::exists(QDir(m_classFolder).filePath(Photo(expected, QStringLiteral("AAA")))));
    }
    EXPECT_EQ(m_capture.PhotoCounter(), 0);
    EXPECT_EQ(failed.count(), 0);

    m_capture.TakeOneNow();   // every name of the day is taken
    Settle();
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(BytesOf(QDir(m_classFolder).filePath(Photo(1, QStringLiteral("AAA")))),
              QByteArray("this morning's photo"));
    EXPECT_EQ(QDir(m_classFolder).entryList(QDir::Files | QDir::Hidden).size(), 1000);
}

struct ChosenPair
{
    int x, y;   // the pair's first pixel; negative counts from the right or bottom
    uchar y0, u, y1, v;
    QColor first, second;
};

// Black, white, both ends clamped, and an ordinary colour, at the corners and the middle.
const ChosenPair kPairs[] = {
    {0, 0, 235, 128, 16, 128, QColor(255, 255, 255), QColor(0, 0, 0)},
    {-2, -1, 255, 255, 255, 255, QColor(255, 125, 255), QColor(255, 125, 255)},
    {2, -1, 100, 50, 100, 200, QColor(213, 70, 0), QColor(213, 70, 0)},
    {0, 1, 0, 0, 0, 0, QColor(0, 135, 0), QColor(0, 135, 0)},
};

class PackedFrameTest : public ::testing::TestWithParam<QSize>
{
protected:
    QPoint At(const ChosenPair& pair) const
    {
        const QSize size = GetParam();
        return {pair.x < 0 ? size.width() + pair.x : pair.x,
                pair.y < 0 ? size.height() + pair.y : pair.y};
    }
    CameraFrame Chosen() const
    {
        CameraFrame frame = MadeUpFrames::Packed(GetParam().width(), GetParam().height(), 16,
                                                 128, 128);
        for (const ChosenPair& pair : kPairs) {
            const QPoint at = At(pair);
            const qsizetype offset = (qsizetype(at.y()) * frame.width + at.x()) * 2;
            frame.packedYuv[offset] = char(pair.y0);
            frame.packedYuv[offset + 1] = char(pair.u);
            frame.packedYuv[offset + 2] = char(pair.y1);
            frame.packedYuv[offset + 3] = char(pair.v);
        }
        return frame;
    }
};

TEST_P(PackedFrameTest, ConvertsEveryPairByTheIntegerFormulaTopRowFirst)
{
    const QImage picture = Chosen().ToImage();
    ASSERT_EQ(picture.size(), GetParam());
    for (const ChosenPair& pair : kPairs) {
        const QPoint at = At(pair);
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        EXPECT_EQ(picture.pixelColor(at), pair.first);
        EXPECT_EQ(picture.pixelColor(at + QPoint(1, 0)), pair.second);
    }
    EXPECT_EQ(picture.pixelColor(4, 0), QColor(0, 0, 0));
}

TEST_P(PackedFrameTest, AFrameShortOfOneByteConvertsNothing)
{
    CameraFrame frame = Chosen();
    frame.packedYuv.chop(1);
    EXPECT_FALSE(frame.IsComplete());
    EXPECT_TRUE(frame.ToImage().isNull());
    // Rows padded by the driver are read at their length.
    frame = Chosen();
    frame.bytesPerLine = qsizetype(frame.width) * 2 + 16;
    EXPECT_FALSE(frame.IsComplete());
    frame.packedYuv.resize(frame.bytesPerLine * (frame.height - 1) + frame.width * 2);
    EXPECT_TRUE(frame.IsComplete());
    EXPECT_EQ(frame.ToImage().size(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(CameraSizes, PackedFrameTest,
                         testing::Values(QSize(640, 480), QSize(1280, 720), QSize(176, 144)));

TEST(PackedFrameSize, SizesThatCannotBePackedConvertNothing)
{
    const QByteArray plenty(1 << 20, '\x80');
    const auto* bytes = reinterpret_cast<const uchar*>(plenty.constData());
    for (const QSize size : {QSize(0, 10), QSize(-2, 10), QSize(3, 2), QSize(2, 0),
                             QSize(Yuv::kMaxSide + 2, 2)})
        EXPECT_TRUE(Yuv::PackedToRgb(bytes, plenty.size(), size.width(), size.height()).isNull())
            << size.width() << "x" << size.height();
    EXPECT_TRUE(Yuv::PackedToRgb(bytes, plenty.size(), 4, 2, 6).isNull());   // rows too short
}

} // namespace
