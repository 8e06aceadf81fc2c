#include "canvas/editing/CanvasModel.h"

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ImageObject.h"
#include "canvas/objects/ObjectIdentity.h"
#include "platform/Prompt.h"

#include <algorithm>

using namespace CanvasGeometry;

namespace {

bool IsPlaceholder(const CDiagramObject& object)
{
    const auto* photo = dynamic_cast<const CImageObject*>(&object);
    return photo && !photo->HasPicture();
}

bool IsPhotoWithPicture(const CDiagramObject& object)
{
    const auto* photo = dynamic_cast<const CImageObject*>(&object);
    return photo && photo->HasPicture();
}

// Calendars and tuition statements stay on their page.
bool GoesOnClipboard(const CDiagramObject& object)
{
    switch (object.m_nType) {
    case ObjectType::Photo:
    case ObjectType::Text:
    case ObjectType::Shape:
    case ObjectType::Curve:
    case ObjectType::Symbol:
        return true;
    default:
        return false;
    }
}

bool TakesSizeSteps(const CDiagramObject& object)
{
    return object.m_nType == ObjectType::Photo || object.m_nType == ObjectType::Shape
        || object.m_nType == ObjectType::Curve || object.m_nType == ObjectType::Symbol;
}

// A new rectangle for an object: curves carry their vertices along.
void Place(CDiagramObject& object, const CPageRect& rect)
{
    if (object.m_nType == ObjectType::Curve)
        FitCurveInto(object, rect);
    else
        object.m_rect = rect;
}

ObjectList HistoryCopies(const std::vector<CDiagramObject*>& objects)
{
    ObjectList copies;
    copies.reserve(objects.size());
    for (const CDiagramObject* object : objects)
        copies.push_back(CUndoHistory::HistoryCopy(*object));
    return copies;
}

} // namespace

void FitCurveInto(CDiagramObject& object, const CPageRect& rect)
{
    auto* curve = dynamic_cast<CCurveObject*>(&object);
    const CPageRect old = object.m_rect;
    object.m_rect = rect;
    if (!curve || (old.Width() == rect.Width() && old.Height() == rect.Height()))
        return;
    const double sx = old.Width() != 0 ? double(rect.Width()) / old.Width() : 1.0;
    const double sy = old.Height() != 0 ? double(rect.Height()) / old.Height() : 1.0;
    for (QPoint& vertex : curve->m_vertices)
        vertex = QPoint(int(vertex.x() * sx), int(vertex.y() * sy));
}

CCanvasModel::CCanvasModel() = default;
CCanvasModel::~CCanvasModel() = default;

void CCanvasModel::Changed()
{
    if (onModified)
        onModified();
}

void CCanvasModel::ReplaceObjects(ObjectList objects)
{
    for (const auto& object : m_objects)
        Forget(object.get());
    m_objects = std::move(objects);
    m_history.Clear();
    m_current = nullptr;
    m_multiSelection = false;
    m_hit = false;
}

// ---- selection ------------------------------------------------------------------------

int CCanvasModel::SelectedCount() const
{
    return int(std::count_if(m_objects.begin(), m_objects.end(),
                             [](const auto& object) { return object->m_bSelected != 0; }));
}

std::vector<CDiagramObject*> CCanvasModel::Selected() const
{
    std::vector<CDiagramObject*> selected;
    for (const auto& object : m_objects)
        if (object->m_bSelected)
            selected.push_back(object.get());
    return selected;
}

CPageRect CCanvasModel::SelectedBounds() const
{
    const std::vector<CDiagramObject*> selected = Selected();
    if (selected.empty())
        return {};
    CPageRect bounds = selected.front()->m_rect;
    for (const CDiagramObject* object : selected)
        bounds = United(bounds, object->m_rect);
    return bounds;
}

void CCanvasModel::Select(CDiagramObject& object)
{
    object.m_bSelected = 1;
    m_current = &object;
}

void CCanvasModel::DeselectAll()
{
    for (const auto& object : m_objects)
        object->m_bSelected = 0;
    m_multiSelection = false;
}

void CCanvasModel::SelectAll()
{
    for (const auto& object : m_objects)
        object->m_bSelected = 1;
    if (!m_objects.empty() && !m_current)
        m_current = m_objects.back().get();
    m_multiSelection = m_objects.size() > 1;
}

CDiagramObject* CCanvasModel::TopmostAt(const QPointF& point) const
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it)
        if ((*it)->HitTest(point))
            return it->get();
    return nullptr;
}

bool CCanvasModel::Click(const QPointF& point, bool modifier, bool onCurrentHandle)
{
    const auto hits = [&](const CDiagramObject* object) {
        return (object == m_current && onCurrentHandle) || object->HitTest(point);
    };
    if (!modifier && !m_multiSelection)
        for (const auto& object : m_objects)
            if (object->m_bSelected && !hits(object.get()))
                object->m_bSelected = 0;

    bool hitAny = false;
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        CDiagramObject* object = it->get();
        if (!hits(object))
            continue;
        if (!hitAny) {
            hitAny = true;
            m_hit = true;
            m_current = object;
        }
        if (object->m_bSelected) {
            if (modifier) {
                object->m_bSelected = 0;
                if (m_current == object)
                    m_current = nullptr;
            }
            break;
        }
        if (!modifier && m_multiSelection)
            DeselectAll();
        Select(*object);
        if (!modifier)
            break;
    }
    if (!hitAny && !modifier)
        DeselectAll();

    m_multiSelection = SelectedCount() > 1;
    if (!hitAny) {
        m_current = nullptr;
        m_hit = false;
        DeselectAll();
    }
    return hitAny;
}

void CCanvasModel::SelectInBand(const CPageRect& band)
{
    for (const auto& object : m_objects) {
        if (Intersects(object->m_rect, band)) {
            Select(*object);
        }
    }
    m_multiSelection = SelectedCount() > 1;
}

// ---- steps ----------------------------------------------------------------------------

void CCanvasModel::Step(const std::vector<CDiagramObject*>& objects, UndoKind kind,
                        const std::function<void()>& change)
{
    if (objects.empty())
        return;
    // Copies take identities; write the counter once for the whole step.
    ObjectIdentity::CBatch batch;
    ObjectList before = HistoryCopies(objects);
    change();
    ObjectList after;
    for (const CDiagramObject* object : objects)
        if (Find(object) != m_objects.end() || kind != UndoKind::Move)
            after.push_back(CUndoHistory::HistoryCopy(*object));
    m_history.Push(kind, std::move(before), std::move(after));
    Changed();
}

void CCanvasModel::Insert(std::unique_ptr<CDiagramObject> object, bool select)
{
    if (!object)
        return;
    CDiagramObject* inserted = object.get();
    if (select) {
        DeselectAll();
        Select(*inserted);
    }
    m_objects.push_back(std::move(object));
    {
        ObjectIdentity::CBatch batch;
        ObjectList before;
        before.push_back(CUndoHistory::HistoryCopy(*inserted));
        ObjectList after;
        after.push_back(CUndoHistory::HistoryCopy(*inserted));
        m_history.Push(UndoKind::Insert, std::move(before), std::move(after));
    }
    Changed();
}

bool CCanvasModel::Modify(CDiagramObject& object,
                          const std::function<bool(CDiagramObject&)>& change)
{
    ObjectIdentity::CBatch batch;
    ObjectList before;
    before.push_back(CUndoHistory::HistoryCopy(object));
    if (!change(object))
        return false;
    ObjectList after;
    after.push_back(CUndoHistory::HistoryCopy(object));
    m_history.Push(UndoKind::Modify, std::move(before), std::move(after));
    Changed();
    return true;
}

void CCanvasModel::ModifyEach(const std::vector<CDiagramObject*>& objects,
                              const std::function<void(CDiagramObject&)>& change)
{
    Step(objects, UndoKind::Modify, [&] {
        for (CDiagramObject* object : objects)
            change(*object);
    });
}

void CCanvasModel::Replace(CDiagramObject& object, std::unique_ptr<CDiagramObject> replacement)
{
    const auto it = Find(&object);
    if (it == m_objects.end() || !replacement)
        return;
    ObjectIdentity::CBatch batch;
    replacement->m_strID = object.m_strID;
    ObjectList before;
    before.push_back(CUndoHistory::HistoryCopy(object));
    ObjectList after;
    after.push_back(CUndoHistory::HistoryCopy(*replacement));
    const bool wasCurrent = m_current == &object;
    Forget(&object);
    *it = std::move(replacement);
    if (wasCurrent)
        m_current = it->get();
    m_history.Push(UndoKind::Modify, std::move(before), std::move(after));
    Changed();
}

// ---- moving and sizing ----------------------------------------------------------------

void CCanvasModel::MoveResize(CDiagramObject& object, CPageRect rect)
{
    rect = Normalized(rect);
    // Nothing goes above or left of the page; the size stays.
    if (rect.top < 0)
        rect = Offset(rect, 0, -rect.top);
    if (rect.left < 0)
        rect = Offset(rect, -rect.left, 0);

    std::vector<CDiagramObject*> recorded{&object};
    CImageObject* placeholder = nullptr;
    if (IsPhotoWithPicture(object)) {
        // Look for a placeholder where the photo lands.
        const CPageRect from = object.m_rect;
        object.m_rect = rect;
        placeholder = PlaceholderUnder(object);
        object.m_rect = from;
        if (placeholder)
            recorded.push_back(placeholder);
    }
    Step(recorded, UndoKind::Move, [&] {
        if (placeholder) {
            object.m_rect = placeholder->m_rect;
            Take(placeholder);
        } else {
            Place(object, rect);
        }
    });
    Select(object);
}

CImageObject* CCanvasModel::PlaceholderUnder(const CDiagramObject& photo) const
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        if (it->get() != &photo && IsPlaceholder(**it) && Intersects((*it)->m_rect, photo.m_rect))
            return static_cast<CImageObject*>(it->get());
    }
    return nullptr;
}

void CCanvasModel::MoveSelected(int dx, int dy)
{
    std::vector<CDiagramObject*> moving;
    for (CDiagramObject* object : Selected())
        if (!object->m_bLocked)
            moving.push_back(object);
    Step(moving, UndoKind::Move, [&] {
        for (CDiagramObject* object : moving)
            object->m_rect = Offset(object->m_rect, dx, dy);
    });
}

bool CCanvasModel::Nudge(int dx, int dy)
{
    if (m_current && m_current->m_bLocked) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return false;
    }
    MoveSelected(dx, dy);
    return true;
}

bool CCanvasModel::SizeStep(int dWidth, int dHeight)
{
    if (!m_current || !TakesSizeSteps(*m_current))
        return false;
    if (m_current->m_bLocked) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return false;
    }
    CDiagramObject& object = *m_current;
    Step({&object}, UndoKind::Move, [&] {
        CPageRect rect = object.m_rect;
        rect.right += dWidth;
        rect.bottom += dHeight;
        Place(object, rect);
    });
    return true;
}

void CCanvasModel::Align(Edge edge)
{
    if (!m_current)
        return;
    const CPageRect reference = Normalized(m_current->m_rect);
    const std::vector<CDiagramObject*> moving = OthersSelectedUnlocked();
    Step(moving, UndoKind::Move, [&] {
        for (CDiagramObject* object : moving) {
            const CPageRect r = Normalized(object->m_rect);
            CPageRect aligned = r;
            switch (edge) {
            case Edge::Bottom:
                aligned = {r.left, std::max(0, reference.bottom - r.Height()), r.right,
                           reference.bottom};
                break;
            case Edge::Top: aligned = Offset(r, 0, reference.top - r.top); break;
            case Edge::Left: aligned = Offset(r, reference.left - r.left, 0); break;
            case Edge::Right: aligned = Offset(r, reference.right - r.right, 0); break;
            }
            Place(*object, aligned);
        }
    });
}

void CCanvasModel::SameWidth()
{
    SizeOthersLikeCurrent([](CPageRect& rect, const CPageRect& reference) {
        rect.right = rect.left + reference.Width();
    });
}

void CCanvasModel::SameHeight()
{
    SizeOthersLikeCurrent([](CPageRect& rect, const CPageRect& reference) {
        rect.bottom = rect.top + reference.Height();
    });
}

std::vector<CDiagramObject*> CCanvasModel::OthersSelectedUnlocked() const
{
    std::vector<CDiagramObject*> others;
    for (CDiagramObject* object : Selected())
        if (object != m_current && !object->m_bLocked)
            others.push_back(object);
    return others;
}

void CCanvasModel::SizeOthersLikeCurrent(
    const std::function<void(CPageRect&, const CPageRect&)>& resize)
{
    if (!m_current)
        return;
    const CPageRect reference = Normalized(m_current->m_rect);
    const std::vector<CDiagramObject*> sizing = OthersSelectedUnlocked();
    Step(sizing, UndoKind::Move, [&] {
        for (CDiagramObject* object : sizing) {
            CPageRect rect = Normalized(object->m_rect);
            resize(rect, reference);
            Place(*object, rect);
        }
    });
}

// ---- stacking order -------------------------------------------------------------------

void CCanvasModel::BringToFront()
{
    if (!m_hit || !m_current)
        return;
    if (auto taken = Take(m_current)) {
        m_current = taken.get();
        m_objects.push_back(std::move(taken));
    }
}

void CCanvasModel::SendToBack()
{
    if (!m_hit || !m_current)
        return;
    if (auto taken = Take(m_current)) {
        m_current = taken.get();
        m_objects.insert(m_objects.begin(), std::move(taken));
    }
}

void CCanvasModel::OneStepFront()
{
    const auto it = Find(m_current);
    if (it != m_objects.end() && std::next(it) != m_objects.end())
        std::iter_swap(it, std::next(it));
}

void CCanvasModel::OneStepBack()
{
    const auto it = Find(m_current);
    if (it != m_objects.end() && it != m_objects.begin())
        std::iter_swap(it, std::prev(it));
}

void CCanvasModel::SetLocked(bool locked)
{
    for (CDiagramObject* object : Selected())
        object->m_bLocked = locked ? 1 : 0;
}

// ---- delete and clipboard -------------------------------------------------------------

void CCanvasModel::DeleteSelected()
{
    const std::vector<CDiagramObject*> selected = Selected();
    if (selected.empty())
        return;
    if (selected.size() == 1 && selected.front()->m_bLocked) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return;
    }
    std::vector<CDiagramObject*> deleting;
    for (CDiagramObject* object : selected)
        if (!object->m_bLocked)
            deleting.push_back(object);
    // Kept alive until the step has copied them as they were deleted.
    ObjectList deleted;
    Step(deleting, UndoKind::Delete, [&] {
        for (CDiagramObject* object : deleting)
            deleted.push_back(Take(object));
    });
    m_hit = false;
    m_current = nullptr;
    m_multiSelection = SelectedCount() > 1;
}

void CCanvasModel::Copy()
{
    m_clipboard.clear();
    ObjectIdentity::CBatch batch;
    for (CDiagramObject* object : Selected())
        if (GoesOnClipboard(*object))
            m_clipboard.push_back(object->Clone());
}

void CCanvasModel::Cut()
{
    if (SelectedCount() == 0 || !m_current)
        return;
    std::vector<CDiagramObject*> cutting;
    for (CDiagramObject* object : Selected())
        if (!object->m_bLocked)
            cutting.push_back(object);
    if (cutting.empty()) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return;
    }
    m_clipboard.clear();
    Step(cutting, UndoKind::Delete, [&] {
        for (CDiagramObject* object : cutting)
            m_clipboard.push_back(Take(object));
    });
    m_current = nullptr;
    m_hit = false;
    m_multiSelection = SelectedCount() > 1;
}

void CCanvasModel::Paste(const QPoint& rightClick)
{
    if (m_clipboard.empty())
        return;
    CPageRect area = m_clipboard.front()->m_rect;
    for (const auto& object : m_clipboard)
        area = United(area, object->m_rect);
    const QPoint offset = (rightClick.x() != 0 && rightClick.y() != 0)
        ? rightClick - QPoint(area.left, area.top)
        : QPoint(10, 10);

    DeselectAll();
    ObjectIdentity::CBatch batch;
    for (const auto& object : m_clipboard) {
        if (!object->m_bSelected)
            continue;
        std::unique_ptr<CDiagramObject> copy = object->Clone();
        copy->m_rect = Offset(copy->m_rect, offset.x(), offset.y());
        m_current = copy.get();
        ObjectList before;
        before.push_back(CUndoHistory::HistoryCopy(*copy));
        ObjectList after;
        after.push_back(CUndoHistory::HistoryCopy(*copy));
        m_objects.push_back(std::move(copy));
        m_history.Push(UndoKind::Insert, std::move(before), std::move(after));
    }
    m_multiSelection = SelectedCount() > 1;
    Changed();
}

// ---- undo -----------------------------------------------------------------------------

bool CCanvasModel::Undo()
{
    ObjectIdentity::CBatch batch;
    const QString current = m_current ? m_current->m_strID : QString();
    if (!m_history.Undo(m_objects))
        return false;
    Revalidate(current);
    Changed();
    return true;
}

bool CCanvasModel::Redo()
{
    ObjectIdentity::CBatch batch;
    const QString current = m_current ? m_current->m_strID : QString();
    if (!m_history.Redo(m_objects))
        return false;
    Revalidate(current);
    Changed();
    return true;
}

void CCanvasModel::Revalidate(const QString& currentIdentity)
{
    m_current = nullptr;
    for (const auto& object : m_objects)
        if (!currentIdentity.isEmpty() && object->m_strID == currentIdentity)
            m_current = object.get();
    m_multiSelection = SelectedCount() > 1;
    if (!m_current)
        m_hit = false;
}

// ---- lookups --------------------------------------------------------------------------

std::vector<CDiagramObject*> CCanvasModel::ObjectsOfType(int type) const
{
    std::vector<CDiagramObject*> found;
    for (const auto& object : m_objects)
        if (object->m_nType == type)
            found.push_back(object.get());
    return found;
}

CImageObject* CCanvasModel::PhotoBeneath(const CImageObject& photo) const
{
    const CPageRect own = Normalized(photo.m_rect);
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        auto* other = dynamic_cast<CImageObject*>(it->get());
        if (other && other != &photo && other->HasPicture()
            && Intersection(other->m_rect, own) == own)
            return other;
    }
    return nullptr;
}

ObjectList::iterator CCanvasModel::Find(const CDiagramObject* object)
{
    return std::find_if(m_objects.begin(), m_objects.end(),
                        [&](const auto& o) { return o.get() == object; });
}

void CCanvasModel::Forget(const CDiagramObject* object)
{
    if (onRemoving)
        onRemoving(object);
    if (m_current == object)
        m_current = nullptr;
}

std::unique_ptr<CDiagramObject> CCanvasModel::Take(const CDiagramObject* object)
{
    const auto it = Find(object);
    if (it == m_objects.end())
        return nullptr;
    Forget(object);
    std::unique_ptr<CDiagramObject> taken = std::move(*it);
    m_objects.erase(it);
    return taken;
}
