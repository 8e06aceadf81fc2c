#include "CanvasTestKit.h"
#include "PhotoTestKit.h"

#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/photo/PhotoCrop.h"
#include "canvas/objects/photo/PhotoFiles.h"
#include "canvas/objects/photo/PhotoPainting.h"
#include "platform/ImageFiles.h"
#include "support/HostileFiles.h"
#include "support/PictureFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace PhotoTestKit;
namespace Adjust = PhotoAdjustments;

namespace {

using Bytes = QList<int>;
const QColor kWhite(255, 255, 255);

// Photos made from real files in a folder of their own.
class PhotoTest : public ::testing::Test
{
protected:
    // A photo of the picture shown 1:1 at (left, top).
    std::unique_ptr<PhotoObject> Photo(const QString& name, const QImage& picture, int left = 0,
                                        int top = 0)
    {
        return PhotoOfPicture(m_dir.filePath(name), picture, {left, top});
    }

    // Saves a page holding the photo and reads it back, pictures and all; an empty frame
    // when that fails.
    std::unique_ptr<PhotoObject> Reopened(const PhotoObject& photo)
    {
        ObjectList objects;
        objects.push_back(photo.Clone());
        const QString path = m_dir.filePath(QStringLiteral("page.wrn"));
        EXPECT_TRUE(SaveDocument(path, WrnPage{}, objects));
        std::optional<WrnDocument> read = LoadDocument(path);
        if (!read || read->objects.size() != 1) {
            ADD_FAILURE() << "the page did not come back with its photo";
            return std::make_unique<PhotoObject>();
        }
        return std::unique_ptr<PhotoObject>(static_cast<PhotoObject*>(read->objects[0].release()));
    }

    QTemporaryDir m_dir;
};

// A 4 × 2 picture with a different colour in every corner.
QImage Corners()
{
    QImage picture = Bitmap(4, 2, {100, 100, 100});
    SetPixelBytes(picture, 0, 0, {0, 0, 250});
    SetPixelBytes(picture, 3, 0, {0, 250, 0});
    SetPixelBytes(picture, 0, 1, {250, 0, 0});
    return picture;
}

} // namespace

TEST_F(PhotoTest, PictureKindFollowsTheLastThreeLetters)
{
    const auto bmp = Photo(QStringLiteral("a.BMP"), Bitmap(3, 3, {1, 2, 3}));
    EXPECT_EQ(bmp->m_nPictureKind, PhotoObject::kRasterPicture);
    EXPECT_EQ(bmp->DecodedBitmap().format(), QImage::Format_BGR888);

    const auto png = Photo(QStringLiteral("b.png"), Bitmap(3, 3, {1, 2, 3}));
    EXPECT_TRUE(png->m_bPng);
    EXPECT_FALSE(png->HasDecodedBitmap());
    EXPECT_FALSE(Adjust::Lighten(*png));

    // Metafiles cannot be read here: the photo shows its placeholder.
    const auto metafile = PhotoOfFile(m_dir.filePath(QStringLiteral("clip.WMF")), {});
    EXPECT_EQ(metafile->m_nPictureKind, PhotoObject::kMetafilePicture);
    EXPECT_FALSE(metafile->HasPicture());

    // A palette picture keeps 8 bits; rules for colour pictures leave it alone.
    QImage palette(4, 4, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    palette.fill(1);
    const auto gif = Photo(QStringLiteral("c.bmp"), palette);
    EXPECT_EQ(gif->DecodedBitmap().depth(), 8);
    EXPECT_FALSE(Adjust::GrayScale(*gif));
    EXPECT_TRUE(Adjust::Lighten(*gif));
    EXPECT_EQ(gif->ShownImage().pixelColor(0, 0), QColor(210, 110, 60));
}

TEST_F(PhotoTest, ToneStepsAddUpAndShowAtOnce)
{
    QImage picture = Bitmap(2, 1, {255, 200, 100});
    auto photo = Photo(QStringLiteral("t.bmp"), picture);
    ASSERT_TRUE(Adjust::Lighten(*photo));
    ASSERT_TRUE(Adjust::Darken(*photo));
    ASSERT_TRUE(Adjust::MoreContrast(*photo));
    ASSERT_TRUE(Adjust::MoreContrast(*photo));
    ASSERT_TRUE(Adjust::LessContrast(*photo));
    EXPECT_EQ(photo->m_nContrast, 10);
    // The file is untouched.
    EXPECT_EQ(ImageFiles::DecodedBitmap(ImageFiles::Read(photo->m_strPath)), picture);
    // Painted from the edited bitmap: 245, 200, 100 after two steps up and one down.
    EXPECT_EQ(PaintObject(*photo, {4, 4}).pixelColor(0, 0), QColor(97, 206, 242));
}

TEST_F(PhotoTest, BalanceOfOneChangesNothingAndIsNotReplayed)
{
    const QImage picture = Bitmap(3, 3, {12, 130, 250});
    auto photo = Photo(QStringLiteral("b.bmp"), picture);
    ASSERT_TRUE(Adjust::BalanceColours(*photo, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(photo->ShownImage(), picture);
    EXPECT_FALSE(Reopened(*photo)->m_bUseBitmap);

    ASSERT_TRUE(Adjust::BalanceColours(*photo, 2.0f, 1.0f, 1.0f));
    EXPECT_EQ(photo->m_fRed, 2.0f);
    EXPECT_FALSE(Adjust::BalanceColours(*photo, 1.0f, 0.0f, 1.0f));
    EXPECT_EQ(photo->m_fGreen, 1.0f);
}

TEST_F(PhotoTest, MirrorIsStoredAndFlipIsNot)
{
    auto photo = Photo(QStringLiteral("m.bmp"), Corners());
    ASSERT_TRUE(Adjust::Flip(*photo));
    EXPECT_EQ(PixelBytes(photo->ShownImage(), 0, 0), (Bytes{250, 0, 0}));
    EXPECT_EQ(PixelBytes(Reopened(*photo)->ShownImage(), 0, 0), (Bytes{0, 0, 250}));

    ASSERT_TRUE(Adjust::Flip(*photo));
    ASSERT_TRUE(Adjust::Mirror(*photo));
    EXPECT_EQ(PixelBytes(Reopened(*photo)->ShownImage(), 0, 0), (Bytes{0, 250, 0}));
    // A second mirror undoes the first, in the document too.
    ASSERT_TRUE(Adjust::Mirror(*photo));
    EXPECT_EQ(photo->m_nMirror, 0);
    // Turns and mirrors follow an edited picture as well as the one read.
    ASSERT_TRUE(Adjust::Lighten(*photo));
    ASSERT_TRUE(Adjust::Mirror(*photo));
    EXPECT_EQ(PixelBytes(photo->ShownImage(), 0, 0), (Bytes{10, 255, 10}));
    EXPECT_EQ(PixelBytes(photo->Picture(), 0, 0), (Bytes{0, 250, 0}));
}

TEST_F(PhotoTest, GrayScaleOnlyInAPlainRectangle)
{
    auto photo = Photo(QStringLiteral("g.bmp"), Bitmap(4, 4, {10, 20, 60}));
    ASSERT_TRUE(Adjust::SetFrameShape(*photo, PhotoObject::kInEllipse));
    EXPECT_FALSE(Adjust::GrayScale(*photo));
    ASSERT_TRUE(Adjust::SetFrameShape(*photo, PhotoObject::kInRectangle));
    ASSERT_TRUE(Adjust::GrayScale(*photo));
    // Replaying a stored gray works whatever the shape, which it leaves as it was.
    photo->m_nFrameShape = PhotoObject::kInRoundRectangle;
    const auto again = Reopened(*photo);
    EXPECT_EQ(PixelBytes(again->ShownImage(), 1, 1), (Bytes{30, 30, 30}));
    EXPECT_EQ(again->m_nFrameShape, PhotoObject::kInRoundRectangle);
}

TEST_F(PhotoTest, ReplayRunsInItsOrder)
{
    // Tone before gray: a strong blue lifted by 100 then averaged gives 151 (the other
    // way round, 183).
    auto photo = Photo(QStringLiteral("r.bmp"), Bitmap(9, 9, {250, 0, 0}));
    photo->m_nBrightness = 100;
    photo->m_bGray = 1;
    // Opacity before circle fade: the fade sets every alpha, so the centre is opaque.
    photo->m_nFillAlpha = 100;
    photo->m_bCircleFade = 1;
    // Bevel and torn edge are never replayed.
    photo->m_bBevel = 1;
    photo->m_bTornEdge = 1;
    const QImage shown = Reopened(*photo)->ShownImage();
    EXPECT_EQ(PixelBytes(shown, 4, 4), (Bytes{151, 151, 151, 255}));
    EXPECT_EQ(PixelBytes(shown, 0, 0), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(PixelBytes(shown, 4, 0)[3], 51); // on the bevel's outer ring, faded only

    // Saturation before colour balance, which would otherwise leave no red to strengthen.
    auto pale = Photo(QStringLiteral("s.bmp"), Bitmap(2, 2, {100, 100, 100}));
    pale->m_nSaturation = 50;
    pale->m_fRed = 0.5f;
    EXPECT_EQ(PixelBytes(Reopened(*pale)->ShownImage(), 0, 0), (Bytes{100, 100, 39}));
}

TEST_F(PhotoTest, TurnsTurnThePictureAndTheRectangle)
{
    auto photo = Photo(QStringLiteral("q.bmp"), Corners(), 10, 20);
    photo->m_rect = {10, 20, 110, 60};
    ASSERT_TRUE(Adjust::RotateLeft(*photo));
    EXPECT_EQ(photo->m_rect, (PageRect{40, -10, 80, 90}));
    ASSERT_TRUE(Adjust::RotateRight(*photo));
    EXPECT_EQ(photo->m_rect, (PageRect{10, 20, 110, 60}));

    // A metafile is drawn turned instead; four turns one way come back to 0.
    PhotoObject metafile;
    metafile.SetPath(QStringLiteral("/nowhere/logo.emf"));
    metafile.LoadPicture();
    for (int turn = 1; turn <= 4; ++turn)
        ASSERT_TRUE(Adjust::RotateLeft(metafile));
    EXPECT_EQ(metafile.m_nAngle, 0);
    EXPECT_TRUE(metafile.m_bAltDraw);
    EXPECT_FALSE(Adjust::Mirror(metafile));
    EXPECT_FALSE(Adjust::RotateLeft(*std::make_unique<PhotoObject>()));

    // Any other angle grows the rectangle about its centre.
    auto square = Photo(QStringLiteral("w.bmp"), Bitmap(40, 40, {0, 0, 200}), 100, 100);
    ASSERT_TRUE(Adjust::RotateToAngle(*square, 45));
    EXPECT_NEAR(square->m_rect.Width(), 57, 1);
    EXPECT_NEAR(square->m_rect.Center().x(), 120, 1);
    EXPECT_FALSE(Adjust::RotateToAngle(*square, 360));
}

TEST_F(PhotoTest, CropToARectangleKeepsTheCropInAFileOfItsOwn)
{
    QImage picture = Bitmap(20, 10, {50, 60, 70});
    SetPixelBytes(picture, 5, 4, {1, 2, 3});
    auto photo = Photo(QStringLiteral("a.jpg"), picture, 100, 200);
    const QString original = photo->m_strPath;

    EXPECT_FALSE(PhotoCrop::CropToRect(*photo, QRect(0, 0, 50, 50)));     // misses the photo
    EXPECT_FALSE(PhotoCrop::CropToRect(*photo, QRect(90, 190, 40, 30))); // covers all of it
    QString error;
    ASSERT_TRUE(PhotoCrop::CropToRect(*photo, QRect(104, 203, 100, 3), &error)) << qPrintable(error);
    EXPECT_EQ(photo->m_rect, (PageRect{104, 203, 120, 206}));
    EXPECT_EQ(photo->m_strPath, m_dir.filePath(QStringLiteral("a_crop.jpg")));
    // Written under its new name, which the page reads back; the photo it came from is
    // untouched.
    EXPECT_EQ(ImageFiles::Read(original).size(), QSize(20, 10));
    EXPECT_EQ(Reopened(*photo)->ShownImage().size(), QSize(16, 3));

    // A second crop of the same photo does not replace the first crop's file.
    auto second = Photo(QStringLiteral("a.jpg"), picture, 0, 0);
    ASSERT_TRUE(PhotoCrop::CropToRect(*second, QRect(0, 0, 2, 2)));
    EXPECT_EQ(second->m_strPath, m_dir.filePath(QStringLiteral("a_crop2.jpg")));
    EXPECT_EQ(ImageFiles::Read(photo->m_strPath).size(), QSize(16, 3));

    // A page made before crops kept their extension still finds its "a.jpg_crop".
    const QString older = m_dir.filePath(QStringLiteral("a.jpg_crop2"));
    ASSERT_TRUE(QFile::copy(second->m_strPath, older));
    second->SetPath(older);
    EXPECT_EQ(Reopened(*second)->ShownImage().size(), QSize(2, 2));
}

TEST_F(PhotoTest, CropToARegionEraseNothingOrEverythingAndResizeACentredCopy)
{
    auto photo = Photo(QStringLiteral("r.bmp"), Bitmap(20, 20, {9, 8, 7}), 50, 50);
    photo->m_nBrightness = 10; // already in the pixels
    ASSERT_TRUE(PhotoCrop::CropToRegion(*photo, QRegion(QRect(55, 55, 10, 10), QRegion::Ellipse)));
    EXPECT_EQ(photo->m_rect, (PageRect{55, 55, 65, 65}));
    EXPECT_TRUE(photo->m_bEdited);
    EXPECT_EQ(photo->m_nBrightness, 0); // the file will hold it; reading must not add it again

    auto erased = Photo(QStringLiteral("e.bmp"), Bitmap(20, 20, {9, 8, 7}), 50, 50);
    EXPECT_FALSE(PhotoCrop::Erase(*erased, QRegion()));
    EXPECT_FALSE(PhotoCrop::Erase(*erased, QRegion(QRect(50, 50, 20, 20))));

    auto wide = Photo(QStringLiteral("z.bmp"), Bitmap(40, 20, {10, 20, 30}), 100, 100);
    Adjust::SetBorder(*wide, 3, Rgb(255, 0, 0));
    EXPECT_FALSE(Adjust::Resized(*wide, QSize(40, 20)));
    EXPECT_FALSE(Adjust::Resized(*wide, QSize(0, 20)));
    const auto smaller = Adjust::Resized(*wide, QSize(20, 10));
    ASSERT_TRUE(smaller);
    EXPECT_EQ(smaller->m_rect, (PageRect{110, 105, 130, 115}));
    EXPECT_EQ(smaller->ShownImage().size(), QSize(20, 10));
    EXPECT_EQ(smaller->m_nBorder, 1);
}

TEST_F(PhotoTest, PastedAndEditedPicturesAreWrittenOrSayWhyNotAndTheStatusLineNamesThem)
{
    QString error;
    const auto pasted =
        PhotoFiles::PhotoFromPastedPicture(Bitmap(5, 3, {9, 9, 9}), m_dir.path(), {7, 8}, &error);
    ASSERT_TRUE(pasted) << qPrintable(error);
    EXPECT_EQ(pasted->m_rect, (PageRect{7, 8, 12, 11}));
    const QString nowhere = m_dir.filePath(QStringLiteral("no/such"));
    EXPECT_FALSE(PhotoFiles::PhotoFromPastedPicture(Bitmap(5, 3, {9, 9, 9}), nowhere, {}, &error));
    EXPECT_FALSE(error.isEmpty());
    auto photo = Photo(QStringLiteral("keep.gif"), Bitmap(8, 8, {0, 0, 255}));
    EXPECT_FALSE(photo->WriteEditedPicture()); // not marked
    photo->m_bEdited = 1;
    photo->SetPath(PhotoFiles::CropPath(photo->m_strPath));
    ASSERT_TRUE(photo->WriteEditedPicture());
    QFile written(photo->m_strPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(3) == "GIF");
    // The status line gives file, size, depth and place.
    const auto placed = Photo(QStringLiteral("class.jpg"), Bitmap(64, 48, {9, 9, 9}), 10, 20);
    const QString expected = QStringLiteral("Image file:%1, width:64 height:48, BitsPerPixel:24, "
                                            "Position(left, top, right, bottom): (10,20,74,68)");
    EXPECT_EQ(placed->InfoText(), expected.arg(placed->m_strPath));
}

TEST_F(PhotoTest, AMissingFileComesBackAsAnEmptyRectangle)
{
    auto photo = Photo(QStringLiteral("gone.bmp"), Bitmap(30, 30, {0, 0, 255}), 20, 20);
    photo->m_nBrightness = 10;
    ASSERT_TRUE(QFile::remove(photo->m_strPath));
    const auto again = Reopened(*photo);
    EXPECT_FALSE(again->HasPicture());
    EXPECT_EQ(again->m_rect, (PageRect{20, 20, 50, 50}));
    EXPECT_FALSE(Adjust::Lighten(*again));
    const QImage page = PaintObject(*again, {80, 80});
    EXPECT_TRUE(Near(page.pixelColor(20, 35), Qt::black, 60));
    EXPECT_EQ(page.pixelColor(23, 23), kWhite);
}

TEST_F(PhotoTest, PaintingShapesOpacityBorderAndShadow)
{
    auto photo = Photo(QStringLiteral("p.bmp"), Bitmap(100, 100, {0, 0, 255}), 50, 50);
    // Half opacity over white.
    ASSERT_TRUE(Adjust::SetOpacity(*photo, 128));
    EXPECT_TRUE(Near(PaintObject(*photo, {200, 200}).pixelColor(100, 100), QColor(255, 127, 127), 3));

    // In an ellipse the rectangle's corners stay white.
    auto round = Photo(QStringLiteral("o.bmp"), Bitmap(100, 100, {0, 0, 255}), 50, 50);
    ASSERT_TRUE(Adjust::SetFrameShape(*round, PhotoObject::kInEllipse));
    QImage page = PaintObject(*round, {200, 200});
    EXPECT_EQ(page.pixelColor(52, 52), kWhite);
    EXPECT_EQ(page.pixelColor(100, 100), QColor(Qt::red));
    ASSERT_TRUE(Adjust::SetFrameShape(*round, PhotoObject::kInRoundRectangle));
    EXPECT_EQ(PaintObject(*round, {200, 200}).pixelColor(50, 50), kWhite);
    // Its corners are arcs of a tenth of the shorter side.
    const QPainterPath outline = PhotoPainting::RoundRectangleOutline(QRectF(0, 0, 200, 105));
    EXPECT_FALSE(outline.contains(QPointF(1, 1)));
    EXPECT_TRUE(outline.contains(QPointF(4, 4)));
    EXPECT_FALSE(outline.contains(QPointF(199.5, 104.5)));

    // A border of width 4 just outside the picture.
    auto bordered = Photo(QStringLiteral("b.bmp"), Bitmap(100, 100, {0, 0, 255}), 50, 50);
    Adjust::SetBorder(*bordered, 4, Rgb(0, 0, 255));
    page = PaintObject(*bordered, {200, 200});
    EXPECT_EQ(page.pixelColor(48, 100), QColor(Qt::blue));
    EXPECT_EQ(page.pixelColor(44, 100), kWhite);

    // A shadow of size 10 down and right: 3 units off, strokes up to 20 wide, darkest
    // near the outline.
    auto shadowed = Photo(QStringLiteral("s.bmp"), Bitmap(100, 100, {0, 0, 255}), 50, 50);
    Adjust::SetPhotoShadow(*shadowed, 0, 10, 20, Rgb(0, 0, 0));
    page = PaintObject(*shadowed, {200, 200});
    EXPECT_LT(page.pixelColor(100, 155).lightness(), page.pixelColor(100, 161).lightness());
    EXPECT_EQ(page.pixelColor(100, 166), kWhite);
    // Very dark shadows stay dark all the way in rather than wrapping round to clear.
    Adjust::SetPhotoShadow(*shadowed, 4, 10, 250, Rgb(0, 0, 0));
    EXPECT_LT(QColor(PaintObject(*shadowed, {200, 200}).pixelColor(100, 152)).lightness(), 10);
}

TEST_F(PhotoTest, PhotosOfOneFileShareOnePictureWithinTheDocumentsBudget)
{
    const QString camera = m_dir.filePath(QStringLiteral("camera.jpg"));
    ASSERT_FALSE(HostileFiles::WriteTurnedCameraPhoto(camera).isEmpty());
    const QString little = Photo(QStringLiteral("b.bmp"), Corners())->m_strPath;
    ObjectList objects;
    for (const QString& path : {camera, camera, camera, little}) {
        auto photo = std::make_unique<PhotoObject>();
        photo->SetPath(path);
        objects.push_back(std::move(photo));
    }
    static_cast<PhotoObject&>(*objects[2]).m_nBrightness = 10; // needs pixels of its own
    const QString page = m_dir.filePath(QStringLiteral("page.wrn"));
    ASSERT_TRUE(SaveDocument(page, WrnPage{}, objects));

    DocumentReadOptions options;
    options.pictureBudget = 40 * 80 + 4; // the camera's and less than the little picture
    const std::optional<WrnDocument> read = LoadDocument(page, options);
    ASSERT_TRUE(read && read->objects.size() == 4);
    const auto photo = [&](int i) -> const PhotoObject& {
        return static_cast<const PhotoObject&>(*read->objects[size_t(i)]);
    };
    ASSERT_TRUE(photo(0).HasPicture());
    EXPECT_EQ(photo(0).Picture().constBits(), photo(1).Picture().constBits());
    EXPECT_FALSE(photo(2).HasPicture());
    EXPECT_FALSE(photo(3).HasPicture());
    EXPECT_TRUE(read->Problems(QStringLiteral("page.wrn"))
                    .contains(QStringLiteral("2 photos show as empty frames")));
}
