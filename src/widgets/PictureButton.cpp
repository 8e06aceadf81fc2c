#include "widgets/PictureButton.h"

#include "photos/Thumbnails.h"

#include <QPainter>

namespace {

constexpr int kFrameWidth = 1;

} // namespace

PictureButton::PictureButton(const QSize& photoSize, QWidget* parent)
    : QAbstractButton(parent), m_photoSize(photoSize)
{
    // A frame to look at: clicking it does nothing, so the keyboard passes it by.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

bool PictureButton::LoadPicture(const QString& path, const QString& caption)
{
    m_caption = caption;
    // Decoded at reduced size while reading, so a camera's 40-megapixel file costs no
    // more than the frame needs; twice the photo size stays sharp on a larger frame.
    m_picture = path.isEmpty() ? QImage() : Thumbnails::Make(path, m_photoSize * 2);
    update();
    return HasPicture();
}

QString PictureButton::SizeNote() const
{
    return QStringLiteral("(size:%1x%2 pixels)").arg(m_photoSize.width()).arg(m_photoSize.height());
}

int PictureButton::CaptionHeight() const
{
    return fontMetrics().height() + 6;
}

QSize PictureButton::sizeHint() const
{
    return m_photoSize + QSize(2 * kFrameWidth, 2 * kFrameWidth + CaptionHeight());
}

QSize PictureButton::minimumSizeHint() const
{
    return sizeHint() / 2;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);

    QRect area = rect().adjusted(kFrameWidth + 2, kFrameWidth + 2, -kFrameWidth - 2,
                                 -kFrameWidth - 2);
    if (!m_caption.isEmpty()) {
        const QRect captionRect(area.left(), area.bottom() - CaptionHeight() + 1, area.width(),
                                CaptionHeight());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
        area.setBottom(captionRect.top() - 1);
    }
    if (area.isEmpty())
        return;

    if (HasPicture()) {
        QRect target(QPoint(), m_picture.size().scaled(area.size(), Qt::KeepAspectRatio));
        target.moveCenter(area.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_picture);
        return;
    }
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const QString words = QStringLiteral("photo\n") + SizeNote();
    painter.drawText(area, Qt::AlignCenter, words);
}
