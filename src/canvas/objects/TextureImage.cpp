#include "canvas/objects/TextureImage.h"

#include "platform/ImageFiles.h"

namespace {

// A texture is tiled, so a larger picture buys nothing but memory.
constexpr int kMaxTextureSide = 4096;

QImage ReadTexture(const QString& path)
{
    ImageFiles::ReadLimits limits;
    limits.fitSide = kMaxTextureSide;
    return ImageFiles::Read(path, limits);
}

} // namespace

const QImage* TextureImage::For(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    if (!m_tried || path != m_path)
        Reload(path);
    return m_image.isNull() ? nullptr : &m_image;
}

void TextureImage::Reload(const QString& path)
{
    m_path = path;
    m_tried = true;
    m_image = path.isEmpty() ? QImage() : ReadTexture(path);
}

void TextureImage::Release()
{
    m_path.clear();
    m_image = QImage();
    m_tried = false;
}
