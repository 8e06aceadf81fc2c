#include "canvas/objects/SelectionFrame.h"

#include <QPainter>

namespace {
constexpr int kHandleSize = 6;
}

QList<QRect> SelectionHandleRects(const QRect& r, TrackerHandles handles)
{
    // Inside handles sit within the rectangle's corners and edge middles; outside
    // handles sit just beyond them.
    const int inset = handles == TrackerHandles::Inside ? 0 : -kHandleSize;
    const int left = r.left() + inset;
    const int right = r.right() + 1 - kHandleSize - inset;
    const int top = r.top() + inset;
    const int bottom = r.bottom() + 1 - kHandleSize - inset;
    const int midX = r.left() + (r.width() - kHandleSize) / 2;
    const int midY = r.top() + (r.height() - kHandleSize) / 2;
    const QSize size(kHandleSize, kHandleSize);
    return {QRect(QPoint(left, top), size),     QRect(QPoint(midX, top), size),
            QRect(QPoint(right, top), size),    QRect(QPoint(right, midY), size),
            QRect(QPoint(right, bottom), size), QRect(QPoint(midX, bottom), size),
            QRect(QPoint(left, bottom), size),  QRect(QPoint(left, midY), size)};
}

void DrawSelectionFrame(QPainter& painter, const PageRect& rect, TrackerHandles handles)
{
    const QRect device = painter.transform().mapRect(rect.ToRectF()).toAlignedRect();
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(device.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRect& handle : SelectionHandleRects(device, handles))
        painter.drawRect(handle);
    painter.restore();
}
