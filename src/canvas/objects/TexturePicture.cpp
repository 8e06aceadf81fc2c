#include "canvas/objects/TexturePicture.h"

#include <QImageReader>

namespace {

// A texture is tiled, so a larger picture buys nothing but memory.
constexpr int kMaxTextureSide = 4096;

QImage ReadTexture(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxTextureSide || size.height() > kMaxTextureSide))
        reader.setScaledSize(size.scaled(kMaxTextureSide, kMaxTextureSide, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace

const QImage* CTexturePicture::For(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    if (!m_tried || path != m_path)
        Reload(path);
    return m_image.isNull() ? nullptr : &m_image;
}

void CTexturePicture::Reload(const QString& path)
{
    m_path = path;
    m_tried = true;
    m_image = path.isEmpty() ? QImage() : ReadTexture(path);
}

void CTexturePicture::Release()
{
    m_path.clear();
    m_image = QImage();
    m_tried = false;
}
