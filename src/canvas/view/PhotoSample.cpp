#include "canvas/view/PhotoSample.h"

#include "canvas/objects/DrawContext.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/PhotoObject.h"

#include <QPainter>

namespace {

// Room around the picture for a wide border or a long shadow.
constexpr double kPictureShare = 0.55;

} // namespace

PhotoSample::PhotoSample(const PhotoObject& photo, QSize size, QWidget* parent)
    : QWidget(parent), m_size(size)
{
    setObjectName(QStringLiteral("sample"));
    setFixedSize(size);
    ObjectIdentity::Batch batch;
    m_photo = std::make_unique<PhotoObject>(photo);
    const QSize room(int(size.width() * kPictureShare), int(size.height() * kPictureShare));
    QImage picture = photo.ShownImage().scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (picture.isNull()) {
        picture = QImage(room, QImage::Format_RGB32);
        picture.fill(QColor(200, 200, 200));
    }
    const QPoint corner((size.width() - picture.width()) / 2,
                        (size.height() - picture.height()) / 2);
    m_photo->m_rect = {corner.x(), corner.y(), corner.x() + picture.width(),
                       corner.y() + picture.height()};
    m_photo->m_nAngle = 0;
    m_photo->m_bSelected = 0;
    m_photo->ReplacePictures(std::move(picture), QImage());
}

PhotoSample::~PhotoSample() = default;

void PhotoSample::Change(const std::function<void(PhotoObject&)>& change)
{
    change(*m_photo);
    update();
}

void PhotoSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    m_photo->DrawContent(painter, DrawContext::Export());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
