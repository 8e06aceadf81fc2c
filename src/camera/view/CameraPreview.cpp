#include "camera/view/CameraPreview.h"

#include "camera/FrameSource.h"

#include <QPainter>

CameraPreview::CameraPreview(FrameSource& source, QWidget* parent)
    : QWidget(parent), m_source(source)
{
    setObjectName(QStringLiteral("cameraPreview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Paint events coalesce, so a fast camera costs one conversion per repaint.
    connect(&m_source, &FrameSource::FrameArrived, this, qOverload<>(&QWidget::update));
}

void CameraPreview::SetHint(const QString& hint)
{
    m_hint = hint;
    update();
}

void CameraPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x2b, 0x2f, 0x33));
    const QImage picture = m_source.ConnectedDriver() < 0 ? QImage()
                                                            : m_source.LatestFrame().ToImage();
    if (picture.isNull()) {
        painter.setPen(QColor(0xd0, 0xd5, 0xda));
        painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                         m_hint);
        return;
    }
    const QSize shown = picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}
