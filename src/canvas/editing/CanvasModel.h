#pragma once

#include "canvas/editing/UndoHistory.h"

#include <QPoint>
#include <QPointF>
#include <functional>
#include <vector>

class CImageObject;

// The page being edited: its objects in stacking order, which are selected and which is
// current, the clipboard of objects and the undo history. Every editing command of the
// canvas is carried out here; the canvas window only turns gestures into these calls.
class CCanvasModel
{
public:
    enum class Edge { Bottom, Top, Left, Right };

    CCanvasModel();
    ~CCanvasModel();
    CCanvasModel(const CCanvasModel&) = delete;
    CCanvasModel& operator=(const CCanvasModel&) = delete;

    // Told of every change that makes the document differ from its file.
    std::function<void()> onModified;

    const ObjectList& Objects() const { return m_objects; }
    ObjectList& Objects() { return m_objects; }
    // Replaces the page's objects (a document read, a new page) and begins a fresh
    // history; the clipboard stays.
    void ReplaceObjects(ObjectList objects);

    CDiagramObject* Current() const { return m_current; }
    void SetCurrent(CDiagramObject* object) { m_current = object; }
    bool IsMultiSelection() const { return m_multiSelection; }
    void SetMultiSelection(bool on) { m_multiSelection = on; }
    bool HitFlag() const { return m_hit; }

    // Selection.
    int SelectedCount() const;
    std::vector<CDiagramObject*> Selected() const;
    // The smallest rectangle holding every selected object; empty when none is.
    CPageRect SelectedBounds() const;
    void Select(CDiagramObject& object);
    void DeselectAll();
    void SelectAll();
    // The topmost object a page point lands on.
    CDiagramObject* TopmostAt(const QPointF& point) const;
    // A left click in pointer mode; `onCurrentHandle` when it landed on a handle of the
    // current object's frame. Returns whether any object was hit.
    bool Click(const QPointF& point, bool modifier, bool onCurrentHandle);
    // Every object meeting the band becomes selected; the last one current.
    void SelectInBand(const CPageRect& band);

    // Undo steps of the four kinds. `change` returns whether it changed the object; a
    // step that changed nothing is not kept.
    void Insert(std::unique_ptr<CDiagramObject> object, bool select = true);
    bool Modify(CDiagramObject& object, const std::function<bool(CDiagramObject&)>& change);
    // One modify step for several objects (every calendar on the page).
    void ModifyEach(const std::vector<CDiagramObject*>& objects,
                    const std::function<void(CDiagramObject&)>& change);
    // Replaces an object by another in the same place, as one step (resized photos).
    void Replace(CDiagramObject& object, std::unique_ptr<CDiagramObject> replacement);

    // Moving and sizing.
    void MoveResize(CDiagramObject& object, CPageRect rect);
    void MoveSelected(int dx, int dy);
    // Arrow keys: false when the current object is locked (the user was told).
    bool Nudge(int dx, int dy);
    bool SizeStep(int dWidth, int dHeight);
    void Align(Edge edge);
    void SameWidth();
    void SameHeight();

    // Stacking order: no undo step, not a change of the document.
    void BringToFront();
    void SendToBack();
    void OneStepFront();
    void OneStepBack();

    void SetLocked(bool locked);
    void DeleteSelected();

    // The clipboard of objects, kept across documents.
    const ObjectList& Clipboard() const { return m_clipboard; }
    void Copy();
    void Cut();
    // At the right-click point when both of its coordinates are set, else 10 right and down.
    void Paste(const QPoint& rightClick);

    bool Undo();
    bool Redo();
    const CUndoHistory& History() const { return m_history; }

    // Calendars, the photo beneath a photo, and other lookups.
    std::vector<CDiagramObject*> ObjectsOfType(int type) const;
    // The lowest photo wholly under `photo` ("Apply to"), searched from the top.
    CImageObject* PhotoBeneath(const CImageObject& photo) const;
    ObjectList::iterator Find(const CDiagramObject* object);
    // Forgets an object that is leaving the page so no pointer to it remains.
    void Forget(const CDiagramObject* object);
    // Told when an object leaves the page (the photo selection lets go of it).
    std::function<void(const CDiagramObject*)> onRemoving;

    static constexpr const char* kLockedMessage = "The Object is currently locked!";

private:
    void Changed();
    // One undo step of `kind` around `change`, recording each object before and after.
    void Step(const std::vector<CDiagramObject*>& objects, UndoKind kind,
              const std::function<void()>& change);
    // Restores the current object after the history rebuilt objects.
    void Revalidate(const QString& currentIdentity);
    std::unique_ptr<CDiagramObject> Take(const CDiagramObject* object);
    CImageObject* PlaceholderUnder(const CDiagramObject& photo) const;
    // The selected objects that follow the current one in align and same size.
    std::vector<CDiagramObject*> OthersSelectedUnlocked() const;
    void SizeOthersLikeCurrent(const std::function<void(CPageRect&, const CPageRect&)>& resize);

    ObjectList m_objects;
    ObjectList m_clipboard;
    CUndoHistory m_history;
    CDiagramObject* m_current = nullptr;
    bool m_multiSelection = false;
    bool m_hit = false;
};

// A curve's vertices follow its rectangle: moved with it and scaled with its size.
void FitCurveInto(CDiagramObject& object, const CPageRect& rect);
