#include "RecordViewsTestKit.h"

#include "widgets/PictureButton.h"
#include "support/PixelProbes.h"

namespace {

using PictureButtonTest = RecordViewsTest;

TEST_F(PictureButtonTest, APhotoFillsTheFrameWithItsShapeKept)
{
    // Four times as wide as high: a band across the middle of a square frame.
    const QString wide = WritePhoto(QStringLiteral("wide.jpg"), Qt::red, QSize(400, 100));
    PictureButton button(QSize(240, 200));
    button.resize(300, 300);
    ASSERT_TRUE(button.LoadPicture(wide, QStringLiteral("Child Photo")));

    const QImage shown = button.grab().toImage();
    const int middle = shown.height() / 2;
    EXPECT_TRUE(ColorsNear(shown.pixelColor(10, middle), Qt::red));
    EXPECT_FALSE(ColorsNear(shown.pixelColor(150, 30), Qt::red, 60));
}

TEST_F(PictureButtonTest, AHugePhotoIsDecodedNoLargerThanNeededAndNoPictureLeavesTheFrameEmpty)
{
    // A camera's JPEG: decoded at a fraction of its size while it is read.
    const QString huge = At(QStringLiteral("huge.jpg"));
    QImage camera(6000, 4000, QImage::Format_RGB32);
    camera.fill(Qt::blue);
    ASSERT_TRUE(camera.save(huge, "JPG"));
    PictureButton button(QSize(240, 180));
    ASSERT_TRUE(button.LoadPicture(huge, QStringLiteral("Family Photo")));
    EXPECT_LE(button.Picture().width(), 480);
    EXPECT_LE(button.Picture().height(), 360);

    // What is no picture leaves the frame empty.
    const QString text = WriteBytes(QStringLiteral("note.jpg"), QByteArray("not a photo"));
    for (const QString& path : {text, At(QStringLiteral("missing.jpg")), QString()}) {
        EXPECT_FALSE(button.LoadPicture(path, QStringLiteral("Child Photo")));
        EXPECT_FALSE(button.HasPicture());
    }
}

} // namespace
