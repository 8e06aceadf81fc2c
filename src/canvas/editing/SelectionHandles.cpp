#include "canvas/editing/SelectionHandles.h"

#include "canvas/objects/PageObject.h"

#include <QPainter>

TrackerHandles SelectionHandles::HandlesOf(const PageObject& object)
{
    return object.FramesSelectionOutside() ? TrackerHandles::Outside : TrackerHandles::Inside;
}

namespace {

// The hit codes in the clockwise order of SelectionHandleRects.
constexpr int kFrameOrder[8] = {0, 2, 4, 6, 1, 3, 5, 7};

} // namespace

QRect SelectionHandles::HandleRect(int handle) const
{
    if (handle < 0 || handle >= kBody)
        return {};
    return SelectionHandleRects(m_rect, m_handles).at(kFrameOrder[handle]);
}

int SelectionHandles::HitTest(const QPoint& point) const
{
    if (m_rect.isEmpty())
        return kNoHit;
    for (int handle = 0; handle < 8; ++handle)
        if (HandleRect(handle).contains(point))
            return handle;
    return m_rect.contains(point) ? kBody : kNoHit;
}

bool SelectionHandles::OnHandle(const QPoint& point) const
{
    const int hit = HitTest(point);
    return hit >= 0 && hit < kBody;
}

Qt::CursorShape SelectionHandles::CursorFor(int hit) const
{
    switch (hit) {
    case 0:
    case 2: return Qt::SizeFDiagCursor;
    case 1:
    case 3: return Qt::SizeBDiagCursor;
    case 4:
    case 6: return Qt::SizeVerCursor;
    case 5:
    case 7: return Qt::SizeHorCursor;
    case kBody: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

void SelectionHandles::BeginDrag(int hit, const QPoint& at)
{
    m_hit = hit;
    m_startRect = m_rect;
    m_startPoint = at;
}

QRect SelectionHandles::DragTo(const QPoint& at)
{
    if (m_hit == kNoHit)
        return m_rect;
    const QPoint d = at - m_startPoint;
    int left = m_startRect.left(), top = m_startRect.top();
    int right = m_startRect.right() + 1, bottom = m_startRect.bottom() + 1;
    switch (m_hit) {
    case kBody: left += d.x(); right += d.x(); top += d.y(); bottom += d.y(); break;
    case 0: left += d.x(); top += d.y(); break;
    case 1: right += d.x(); top += d.y(); break;
    case 2: right += d.x(); bottom += d.y(); break;
    case 3: left += d.x(); bottom += d.y(); break;
    case 4: top += d.y(); break;
    case 5: right += d.x(); break;
    case 6: bottom += d.y(); break;
    case 7: left += d.x(); break;
    default: break;
    }
    m_rect = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized();
    return m_rect;
}

void SelectionHandles::Paint(QPainter& painter, bool dashed) const
{
    if (m_rect.isEmpty())
        return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPen pen(Qt::black, 1, dashed ? Qt::DotLine : Qt::SolidLine);
    painter.setPen(pen);
    painter.drawRect(m_rect.adjusted(0, 0, -1, -1));
    if (!dashed)
        for (int handle = 0; handle < 8; ++handle)
            painter.fillRect(HandleRect(handle), Qt::black);
    painter.restore();
}
