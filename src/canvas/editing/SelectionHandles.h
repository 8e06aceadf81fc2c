#pragma once

#include "canvas/objects/SelectionFrame.h"

#include <QPoint>
#include <QRect>

class PageObject;
class QPainter;

// The frame around the current object: eight handles to resize it and its body to move
// it, all in window pixels. The handles are grabbed where the object's own selection
// frame draws them: inside the frame, or just outside it for photos. A drag changes the
// frame's rectangle; the canvas applies the result to the object when the button is
// released.
class SelectionHandles
{
public:
    // Hit codes: the corners 0..3 (top-left, top-right, bottom-right, bottom-left), the
    // sides 4..7 (top, right, bottom, left), the body 8, nothing -1.
    static constexpr int kNoHit = -1;
    static constexpr int kBody = 8;

    // The handles sit where the object's own selection frame draws them.
    static TrackerHandles HandlesOf(const PageObject& object);

    void SetRect(const QRect& rect, TrackerHandles handles = TrackerHandles::Inside)
    {
        m_rect = rect.normalized();
        m_handles = handles;
    }
    QRect Rect() const { return m_rect; }
    bool IsEmpty() const { return m_rect.isEmpty(); }
    void Clear() { m_rect = QRect(); }

    int HitTest(const QPoint& point) const;
    bool OnHandle(const QPoint& point) const;
    QRect HandleRect(int handle) const;
    Qt::CursorShape CursorFor(int hit) const;

    // Starts a drag at the point with the part it grabbed.
    void BeginDrag(int hit, const QPoint& at);
    // The frame follows the mouse; returns the new rectangle.
    QRect DragTo(const QPoint& at);
    bool IsDragging() const { return m_hit != kNoHit; }
    int DraggedPart() const { return m_hit; }
    // A drag of the body keeps the size; any other drag is a resize.
    bool Moved() const { return m_hit == kBody; }
    bool Changed() const { return m_rect != m_startRect; }
    QRect StartRect() const { return m_startRect; }
    void EndDrag() { m_hit = kNoHit; }

    void Paint(QPainter& painter, bool dashed) const;

private:
    QRect m_rect;
    TrackerHandles m_handles = TrackerHandles::Inside;
    QRect m_startRect;
    QPoint m_startPoint;
    int m_hit = kNoHit;
};
