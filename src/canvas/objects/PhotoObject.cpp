#include "canvas/objects/PhotoObject.h"

#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/photo/PhotoFiles.h"
#include "canvas/objects/photo/PhotoPainting.h"
#include "canvas/objects/photo/PictureShelf.h"
#include "canvas/objects/photo/PixelRows.h"

PhotoObject::PhotoObject() : PageObject(ObjectType::Photo, ObjectIdentity::New(u'I'))
{
    m_crShadow = Rgb(128, 128, 128);
}

std::unique_ptr<PageObject> PhotoObject::Clone() const
{
    return std::make_unique<PhotoObject>(*this);
}

void PhotoObject::SetPath(const QString& path)
{
    m_strPath = path;
    // Documents written on Windows separate folders with backslashes.
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    m_strName = path.mid(cut + 1);
}

void PhotoObject::LoadPicture(PictureShelf* shelf)
{
    DropPictures();
    m_bPng = 0;
    const QString kind = m_strName.right(3).toLower();
    if (kind == QLatin1String("emf") || kind == QLatin1String("wmf")) {
        // Metafiles have no reader here: the photo keeps its frame and name.
        m_nPictureKind = kMetafilePicture;
        return;
    }
    m_nPictureKind = kRasterPicture;
    const bool png = kind == QLatin1String("png");
    const QImage read =
        shelf ? shelf->Picture(m_strPath, !png) : ReadPhotoPicture(m_strPath, !png);
    if (read.isNull())
        return;
    if (png) {
        m_bPng = 1;
        m_picture = read;
        return;
    }
    // The decoded bitmap holds the same pixels as the file; until it is edited the two
    // share one copy.
    m_bitmap = read;
    m_picture = m_bitmap;
}

void PhotoObject::DropPictures()
{
    m_picture = QImage();
    m_bitmap = QImage();
}

const QImage& PhotoObject::ShownImage() const
{
    if ((m_bUseBitmap && HasDecodedBitmap()) || m_picture.isNull())
        return m_bitmap;
    return m_picture;
}

QImage PhotoObject::ScreenPicture(QSize deviceSize) const
{
    const QImage& shown = ShownImage();
    return m_screenPicture.For({shown.cacheKey(), deviceSize},
                               [&] { return PhotoPixels::ScaledForScreen(shown, deviceSize); });
}

void PhotoObject::SetEditedBitmap(QImage bitmap)
{
    m_bitmap = std::move(bitmap);
    m_bUseBitmap = 1;
}

void PhotoObject::ReplacePictures(QImage picture, QImage bitmap)
{
    m_picture = std::move(picture);
    m_bitmap = std::move(bitmap);
}

void PhotoObject::ReplayStoredAdjustments()
{
    PhotoAdjustments::Replay(*this);
}

bool PhotoObject::WriteEditedPicture() const
{
    if (!m_bEdited || m_bitmap.isNull())
        return false;
    return PhotoFiles::WritePicture(m_bitmap, m_strPath);
}

QString PhotoObject::InfoText() const
{
    if (!HasDecodedBitmap())
        return QStringLiteral("Image Frame");
    return QStringLiteral("Image file:") + m_strPath +
           QStringLiteral(", width:%1 height:%2, BitsPerPixel:%3, "
                          "Position(left, top, right, bottom): (%4,%5,%6,%7)")
               .arg(m_bitmap.width())
               .arg(m_bitmap.height())
               .arg(PhotoPixels::BitsPerPixel(m_bitmap))
               .arg(m_rect.left)
               .arg(m_rect.top)
               .arg(m_rect.right)
               .arg(m_rect.bottom);
}

void PhotoObject::Draw(QPainter& painter, const DrawContext& context)
{
    if (!HasPicture()) {
        PhotoPainting::PaintPlaceholder(painter, *this);
        return;
    }
    DrawContent(painter, context);
    DrawSelectionFrameIfShown(painter, context);
}

void PhotoObject::DrawContent(QPainter& painter, const DrawContext& context)
{
    PhotoPainting::PaintPhoto(painter, *this, context);
}
