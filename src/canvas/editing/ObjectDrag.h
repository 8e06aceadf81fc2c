#pragma once

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/editing/SelectionHandles.h"

#include <utility>
#include <vector>

class CanvasModel;
class PageObject;

// Moving and resizing objects with the mouse. The frame of handles follows the mouse in
// window pixels; objects dragged by their body follow it on the page as it goes, and the
// release moves or resizes them for good from where they were, as one undo step.
class ObjectDrag
{
public:
    explicit ObjectDrag(CanvasModel& model) : m_model(model) {}

    const SelectionHandles& Frame() const { return m_frame; }
    bool IsDragging() const { return m_frame.IsDragging(); }
    // The frame around the current object, or none; a drag under way keeps its frame.
    void FrameCurrent(const CanvasGeometry::ViewMapping& mapping);
    void ClearFrame() { m_frame.Clear(); }

    // Drags the part of the current object's frame under `window` (its body elsewhere).
    void StartOnCurrent(const QPoint& window, const CanvasGeometry::ViewMapping& mapping);
    // Drags every selected object by the body of their common frame.
    void StartOnSelection(const QPoint& window, const CanvasGeometry::ViewMapping& mapping);
    // The window area to repaint: everything when objects follow the mouse.
    QRect FollowMouse(const QPoint& window, const CanvasGeometry::ViewMapping& mapping,
                      const QRect& everything);
    // Puts the objects back where they were.
    void Cancel();
    // True when the page changed. A locked object stays put and the user is told.
    bool Finish(const CanvasGeometry::ViewMapping& mapping);

private:
    QPoint PageOffset(const CanvasGeometry::ViewMapping& mapping) const;
    void StartLiveMoves();
    void UndoLiveMoves();

    CanvasModel& m_model;
    SelectionHandles m_frame;
    std::vector<std::pair<PageObject*, PageRect>> m_liveMoves;
};
