#include "MadeUpFrames.h"

#include <QColor>

namespace {

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
