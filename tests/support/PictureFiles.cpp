#include "support/PictureFiles.h"

#include "canvas/objects/PhotoObject.h"
#include "platform/ImageFiles.h"

#include <gtest/gtest.h>

QString WriteSolidPicture(const QString& path, QSize size, const QColor& colour)
{
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(colour);
    EXPECT_TRUE(picture.save(path)) << qPrintable(path);
    return path;
}

std::unique_ptr<PhotoObject> PhotoOfFile(const QString& path, const PageRect& rect)
{
    auto photo = std::make_unique<PhotoObject>();
    photo->SetPath(path);
    photo->LoadPicture();
    photo->m_rect = rect;
    return photo;
}

std::unique_ptr<PhotoObject> PhotoOfPicture(const QString& path, const QImage& picture, QPoint at)
{
    EXPECT_TRUE(ImageFiles::Write(picture, path)) << qPrintable(path);
    return PhotoOfFile(path, {at.x(), at.y(), at.x() + picture.width(), at.y() + picture.height()});
}
