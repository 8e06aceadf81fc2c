#include "widgets/ColorSwatchButton.h"

#include <QPainter>
#include <QPainterPath>

ColorSwatchButton::ColorSwatchButton(const QColor& color, QWidget* parent)
    : QToolButton(parent), m_color(color)
{
    setCheckable(true);
    setAutoRaise(true);
    setFixedSize(72, 48);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QStringLiteral("Red %1, green %2, blue %3")
                   .arg(color.red())
                   .arg(color.green())
                   .arg(color.blue()));
}

void ColorSwatchButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sample = QRectF(rect()).adjusted(5, 5, -5, -5);

    QPainterPath shape;
    shape.addRoundedRect(sample, 4, 4);
    painter.fillPath(shape, m_color);

    // A faint diamond pattern gives the sample the look of a wallpaper.
    painter.save();
    painter.setClipPath(shape);
    const QColor pattern = m_color.lightness() > 128 ? QColor(0, 0, 0, 22) : QColor(255, 255, 255, 30);
    painter.setPen(QPen(pattern, 1));
    for (qreal x = sample.left() - sample.height(); x < sample.right(); x += 8) {
        painter.drawLine(QPointF(x, sample.bottom()), QPointF(x + sample.height(), sample.top()));
        painter.drawLine(QPointF(x, sample.top()), QPointF(x + sample.height(), sample.bottom()));
    }
    painter.restore();

    const bool marked = isChecked();
    painter.setPen(QPen(marked ? palette().highlight().color() : QColor(0, 0, 0, 70),
                        marked ? 3 : 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(sample.adjusted(-1, -1, 1, 1), 5, 5);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -2, -2));
    }
}
