#pragma once

#include "canvas/editing/UndoHistory.h"

#include <QPoint>
#include <QPointF>
#include <functional>
#include <vector>

class PhotoObject;

// The page being edited: its objects in stacking order, which are selected and which is
// current, the clipboard of objects and the undo history. Every editing command of the
// canvas is carried out here; the canvas window only turns gestures into these calls.
class CanvasModel
{
public:
    enum class Edge { Bottom, Top, Left, Right };

    CanvasModel();
    ~CanvasModel();
    CanvasModel(const CanvasModel&) = delete;
    CanvasModel& operator=(const CanvasModel&) = delete;

    // Told of every change that makes the document differ from its file.
    std::function<void()> onModified;

    const ObjectList& Objects() const { return m_objects; }
    ObjectList& Objects() { return m_objects; }
    // Replaces the page's objects (a document read, a new page) and begins a fresh
    // history; the clipboard stays.
    void ReplaceObjects(ObjectList objects);

    PageObject* Current() const { return m_current; }
    void SetCurrent(PageObject* object) { m_current = object; }
    bool IsMultiSelection() const { return m_multiSelection; }
    void SetMultiSelection(bool on) { m_multiSelection = on; }
    bool HitFlag() const { return m_hit; }

    // Selection.
    int SelectedCount() const;
    std::vector<PageObject*> Selected() const;
    // The smallest rectangle holding every selected object; empty when none is.
    PageRect SelectedBounds() const;
    void Select(PageObject& object);
    void DeselectAll();
    void SelectAll();
    // The topmost object a page point lands on.
    PageObject* TopmostAt(const QPointF& point) const;
    // A left click in pointer mode; `onCurrentHandle` when it landed on a handle of the
    // current object's frame. Returns whether any object was hit.
    bool Click(const QPointF& point, bool modifier, bool onCurrentHandle);
    // Every object meeting the band becomes selected; the last one current.
    void SelectInBand(const PageRect& band);

    // Undo steps of the four kinds. `change` returns whether it changed the object; a
    // step that changed nothing is not kept.
    void Insert(std::unique_ptr<PageObject> object, bool select = true);
    bool Modify(PageObject& object, const std::function<bool(PageObject&)>& change);
    // One modify step for several objects (every calendar on the page).
    void ModifyEach(const std::vector<PageObject*>& objects,
                    const std::function<void(PageObject&)>& change);
    // Replaces an object by another in the same place, as one step (resized photos).
    void Replace(PageObject& object, std::unique_ptr<PageObject> replacement);

    // Moving and sizing.
    void MoveResize(PageObject& object, PageRect rect);
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
    const UndoHistory& History() const { return m_history; }

    // Calendars, the photo beneath a photo, and other lookups.
    std::vector<PageObject*> ObjectsOfType(int type) const;
    // The lowest photo wholly under `photo` ("Apply to"), searched from the top.
    PhotoObject* PhotoBeneath(const PhotoObject& photo) const;
    ObjectList::iterator Find(const PageObject* object);
    // Forgets an object that is leaving the page so no pointer to it remains.
    void Forget(const PageObject* object);
    // Told when an object leaves the page (the photo selection lets go of it).
    std::function<void(const PageObject*)> onRemoving;

    static constexpr const char* kLockedMessage = "The Object is currently locked!";

private:
    void Changed();
    // One undo step of `kind` around `change`, recording each object before and after.
    void Step(const std::vector<PageObject*>& objects, UndoKind kind,
              const std::function<void()>& change);
    // Restores the current object after the history rebuilt objects.
    void Revalidate(const QString& currentIdentity);
    std::unique_ptr<PageObject> Take(const PageObject* object);
    PhotoObject* PlaceholderUnder(const PageObject& photo) const;
    // The selected objects that follow the current one in align and same size.
    std::vector<PageObject*> OthersSelectedUnlocked() const;
    void SizeOthersLikeCurrent(const std::function<void(PageRect&, const PageRect&)>& resize);

    ObjectList m_objects;
    ObjectList m_clipboard;
    UndoHistory m_history;
    PageObject* m_current = nullptr;
    bool m_multiSelection = false;
    bool m_hit = false;
};

// A curve's vertices follow its rectangle: moved with it and scaled with its size.
void FitCurveInto(PageObject& object, const PageRect& rect);
