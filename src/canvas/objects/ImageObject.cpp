#include "canvas/objects/ImageObject.h"

#include "canvas/objects/ObjectIdentity.h"
#include "platform/ImageFiles.h"

#include <QImageReader>
#include <QPainter>

CImageObject::CImageObject() : CDiagramObject(ObjectType::Photo, ObjectIdentity::New(u'I'))
{
    m_crShadow = Rgb(128, 128, 128);
}

std::unique_ptr<CDiagramObject> CImageObject::Clone() const
{
    return std::make_unique<CImageObject>(*this);
}

void CImageObject::SetPath(const QString& path)
{
    m_strPath = path;
    // Documents written on Windows separate folders with backslashes.
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    m_strName = path.mid(cut + 1);
}

void CImageObject::LoadPicture()
{
    m_picture = QImage();
    m_bitmap = QImage();
    m_bPng = 0;
    const QString kind = m_strName.right(3).toLower();
    if (kind == QLatin1String("emf") || kind == QLatin1String("wmf")) {
        // Metafiles have no reader here: the photo keeps its frame and name.
        m_nPictureKind = kMetafilePicture;
        return;
    }
    m_nPictureKind = kRasterPicture;
    m_picture = ImageFiles::Read(m_strPath);
    if (m_picture.isNull())
        return;
    if (kind == QLatin1String("png"))
        m_bPng = 1;
    else
        m_bitmap = ImageFiles::DecodedBitmap(m_picture);
}

void CImageObject::ReplayStoredAdjustments() {}

bool CImageObject::WriteEditedPicture() const
{
    if (!m_bEdited || m_bitmap.isNull())
        return false;
    return ImageFiles::Write(m_bitmap, m_strPath);
}

void CImageObject::Draw(QPainter& painter, const CDrawContext& context)
{
    if (!HasPicture() && !HasDecodedBitmap()) {
        // A missing file still shows where the photo stands and which it was.
        painter.save();
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        const QRectF box = m_rect.ToRectF();
        painter.drawRect(box);
        painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, m_strName);
        painter.restore();
        return;
    }
    DrawContent(painter, context);
    DrawSelectionFrameIfShown(painter, context);
}

void CImageObject::DrawContent(QPainter& painter, const CDrawContext&)
{
    const QImage& shown = m_bUseBitmap && HasDecodedBitmap() ? m_bitmap : m_picture;
    if (shown.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(m_rect.ToRectF(), shown);
    painter.restore();
}
