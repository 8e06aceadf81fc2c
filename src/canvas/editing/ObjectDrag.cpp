#include "canvas/editing/ObjectDrag.h"

#include "canvas/editing/CanvasModel.h"
#include "platform/UserPrompt.h"

#include <cmath>

using namespace CanvasGeometry;

void ObjectDrag::FrameCurrent(const ViewMapping& mapping)
{
    if (m_frame.IsDragging())
        return;
    if (const PageObject* current = m_model.Current())
        m_frame.SetRect(mapping.ToWindow(current->FrameRect()), SelectionHandles::HandlesOf(*current));
    else
        m_frame.Clear();
}

void ObjectDrag::StartOnCurrent(const QPoint& window, const ViewMapping& mapping)
{
    FrameCurrent(mapping);
    int part = m_frame.HitTest(window);
    if (part == SelectionHandles::kNoHit)
        part = SelectionHandles::kBody;
    m_frame.BeginDrag(part, window);
    if (part == SelectionHandles::kBody)
        StartLiveMoves();
}

void ObjectDrag::StartOnSelection(const QPoint& window, const ViewMapping& mapping)
{
    m_frame.SetRect(mapping.ToWindow(m_model.SelectedBounds()));
    m_frame.BeginDrag(SelectionHandles::kBody, window);
    StartLiveMoves();
}

QRect ObjectDrag::FollowMouse(const QPoint& window, const ViewMapping& mapping,
                              const QRect& everything)
{
    const QRect before = m_frame.Rect();
    m_frame.DragTo(window);
    if (!m_frame.Moved() || m_liveMoves.empty())
        return before.united(m_frame.Rect()).adjusted(-2, -2, 2, 2);
    // Shadows and turns reach anywhere, so moving objects repaint the whole window,
    // which stays well within a frame.
    const QPoint offset = PageOffset(mapping);
    for (const auto& [object, from] : m_liveMoves)
        object->m_rect = Offset(from, offset.x(), offset.y());
    return everything;
}

void ObjectDrag::Cancel()
{
    UndoLiveMoves();
    m_frame.EndDrag();
}

bool ObjectDrag::Finish(const ViewMapping& mapping)
{
    PageObject* current = m_model.Current();
    const QRect start = m_frame.StartRect();
    const QRect end = m_frame.Rect();
    const bool moved = m_frame.Moved();
    const QPoint offset = PageOffset(mapping);
    UndoLiveMoves();
    m_frame.EndDrag();
    if (start == end)
        return false;
    if (m_model.IsMultiSelection()) {
        m_model.MoveSelected(offset.x(), offset.y());
    } else if (current) {
        if (current->m_bLocked) {
            Prompt().Inform(QString::fromLatin1(CanvasModel::kLockedMessage));
            return false;
        }
        const PageRect rect =
            moved ? Offset(current->m_rect, offset.x(), offset.y())
                  : current->RectOfFrame(mapping.ToPage(end));
        m_model.MoveResize(*current, rect);
    }
    FrameCurrent(mapping);
    return true;
}

QPoint ObjectDrag::PageOffset(const ViewMapping& mapping) const
{
    const double scale = mapping.Scale();
    const QPoint moved = m_frame.Rect().topLeft() - m_frame.StartRect().topLeft();
    return {int(std::lround(moved.x() / scale)), int(std::lround(moved.y() / scale))};
}

void ObjectDrag::StartLiveMoves()
{
    m_liveMoves.clear();
    for (PageObject* object : m_model.Selected())
        if (!object->m_bLocked)
            m_liveMoves.emplace_back(object, object->m_rect);
}

void ObjectDrag::UndoLiveMoves()
{
    for (const auto& [object, from] : m_liveMoves)
        object->m_rect = from;
    m_liveMoves.clear();
}
