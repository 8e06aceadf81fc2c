#include "canvas/editing/CanvasModel.h"

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ObjectIdentity.h"
#include "platform/UserPrompt.h"

#include <algorithm>

using namespace CanvasGeometry;

namespace {

bool IsPlaceholder(const PageObject& object)
{
    const auto* photo = dynamic_cast<const PhotoObject*>(&object);
    return photo && !photo->HasPicture();
}

bool IsPhotoWithPicture(const PageObject& object)
{
    const auto* photo = dynamic_cast<const PhotoObject*>(&object);
    return photo && photo->HasPicture();
}

// Calendars and tuition statements stay on their page.
bool GoesOnClipboard(const PageObject& object)
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

bool TakesSizeSteps(const PageObject& object)
{
    return object.m_nType == ObjectType::Photo || object.m_nType == ObjectType::Shape
        || object.m_nType == ObjectType::Curve || object.m_nType == ObjectType::Symbol;
}

// A new rectangle for an object: curves carry their vertices along.
void Place(PageObject& object, const PageRect& rect)
{
    if (object.m_nType == ObjectType::Curve)
        FitCurveInto(object, rect);
    else
        object.m_rect = rect;
}

ObjectList HistoryCopies(const std::vector<PageObject*>& objects)
{
    ObjectList copies;
    copies.reserve(objects.size());
    for (const PageObject* object : objects)
        copies.push_back(UndoHistory::HistoryCopy(*object));
    return copies;
}

} // namespace

void FitCurveInto(PageObject& object, const PageRect& rect)
{
    auto* curve = dynamic_cast<CurveObject*>(&object);
    const PageRect old = object.m_rect;
    object.m_rect = rect;
    if (!curve || (old.Width() == rect.Width() && old.Height() == rect.Height()))
        return;
    const double sx = old.Width() != 0 ? double(rect.Width()) / old.Width() : 1.0;
    const double sy = old.Height() != 0 ? double(rect.Height()) / old.Height() : 1.0;
    for (QPoint& vertex : curve->m_vertices)
        vertex = QPoint(int(vertex.x() * sx), int(vertex.y() * sy));
}

CanvasModel::CanvasModel() = default;
CanvasModel::~CanvasModel() = default;

void CanvasModel::Changed()
{
    if (onModified)
        onModified();
}

void CanvasModel::ReplaceObjects(ObjectList objects)
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

int CanvasModel::SelectedCount() const
{
    return int(std::count_if(m_objects.begin(), m_objects.end(),
                             [](const auto& object) { return object->m_bSelected != 0; }));
}

std::vector<PageObject*> CanvasModel::Selected() const
{
    std::vector<PageObject*> selected;
    for (const auto& object : m_objects)
        if (object->m_bSelected)
            selected.push_back(object.get());
    return selected;
}

PageRect CanvasModel::SelectedBounds() const
{
    const std::vector<PageObject*> selected = Selected();
    if (selected.empty())
        return {};
    PageRect bounds = selected.front()->m_rect;
    for (const PageObject* object : selected)
        bounds = United(bounds, object->m_rect);
    return bounds;
}

void CanvasModel::Select(PageObject& object)
{
    object.m_bSelected = 1;
    m_current = &object;
}

void CanvasModel::DeselectAll()
{
    for (const auto& object : m_objects)
        object->m_bSelected = 0;
    m_multiSelection = false;
}

void CanvasModel::SelectAll()
{
    for (const auto& object : m_objects)
        object->m_bSelected = 1;
    if (!m_objects.empty() && !m_current)
        m_current = m_objects.back().get();
    m_multiSelection = m_objects.size() > 1;
}

PageObject* CanvasModel::TopmostAt(const QPointF& point) const
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it)
        if ((*it)->HitTest(point))
            return it->get();
    return nullptr;
}

bool CanvasModel::Click(const QPointF& point, bool modifier, bool onCurrentHandle)
{
    const auto hits = [&](const PageObject* object) {
        return (object == m_current && onCurrentHandle) || object->HitTest(point);
    };
    if (!modifier && !m_multiSelection)
        for (const auto& object : m_objects)
            if (object->m_bSelected && !hits(object.get()))
                object->m_bSelected = 0;

    bool hitAny = false;
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        PageObject* object = it->get();
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

void CanvasModel::SelectInBand(const PageRect& band)
{
    for (const auto& object : m_objects) {
        if (Intersects(object->m_rect, band)) {
            Select(*object);
        }
    }
    m_multiSelection = SelectedCount() > 1;
}

// ---- steps ----------------------------------------------------------------------------

void CanvasModel::Step(const std::vector<PageObject*>& objects, UndoKind kind,
                        const std::function<void()>& change)
{
    if (objects.empty())
        return;
    // Copies take identities; write the counter once for the whole step.
    ObjectIdentity::Batch batch;
    ObjectList before = HistoryCopies(objects);
    std::vector<int> places;
    for (const PageObject* object : objects)
        places.push_back(static_cast<int>(Find(object) - m_objects.begin()));
    change();
    ObjectList after;
    for (const PageObject* object : objects)
        if (Find(object) != m_objects.end() || kind != UndoKind::Move)
            after.push_back(UndoHistory::HistoryCopy(*object));
    m_history.Push(kind, std::move(before), std::move(after), std::move(places));
    Changed();
}

void CanvasModel::Insert(std::unique_ptr<PageObject> object, bool select)
{
    if (!object)
        return;
    PageObject* inserted = object.get();
    if (select) {
        DeselectAll();
        Select(*inserted);
    }
    m_objects.push_back(std::move(object));
    {
        ObjectIdentity::Batch batch;
        ObjectList before;
        before.push_back(UndoHistory::HistoryCopy(*inserted));
        ObjectList after;
        after.push_back(UndoHistory::HistoryCopy(*inserted));
        m_history.Push(UndoKind::Insert, std::move(before), std::move(after));
    }
    Changed();
}

bool CanvasModel::Modify(PageObject& object,
                          const std::function<bool(PageObject&)>& change)
{
    ObjectIdentity::Batch batch;
    ObjectList before;
    before.push_back(UndoHistory::HistoryCopy(object));
    if (!change(object))
        return false;
    ObjectList after;
    after.push_back(UndoHistory::HistoryCopy(object));
    m_history.Push(UndoKind::Modify, std::move(before), std::move(after));
    Changed();
    return true;
}

void CanvasModel::ModifyEach(const std::vector<PageObject*>& objects,
                              const std::function<void(PageObject&)>& change)
{
    Step(objects, UndoKind::Modify, [&] {
        for (PageObject* object : objects)
            change(*object);
    });
}

void CanvasModel::Replace(PageObject& object, std::unique_ptr<PageObject> replacement)
{
    const auto it = Find(&object);
    if (it == m_objects.end() || !replacement)
        return;
    ObjectIdentity::Batch batch;
    replacement->m_strID = object.m_strID;
    ObjectList before;
    before.push_back(UndoHistory::HistoryCopy(object));
    ObjectList after;
    after.push_back(UndoHistory::HistoryCopy(*replacement));
    const bool wasCurrent = m_current == &object;
    Forget(&object);
    *it = std::move(replacement);
    if (wasCurrent)
        m_current = it->get();
    m_history.Push(UndoKind::Modify, std::move(before), std::move(after));
    Changed();
}

// ---- moving and sizing ----------------------------------------------------------------

void CanvasModel::MoveResize(PageObject& object, PageRect rect)
{
    rect = Normalized(rect);
    // Nothing goes above or left of the page; the size stays.
    if (rect.top < 0)
        rect = Offset(rect, 0, -rect.top);
    if (rect.left < 0)
        rect = Offset(rect, -rect.left, 0);

    std::vector<PageObject*> recorded{&object};
    PhotoObject* placeholder = nullptr;
    if (IsPhotoWithPicture(object)) {
        // Look for a placeholder where the photo lands.
        const PageRect from = object.m_rect;
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

PhotoObject* CanvasModel::PlaceholderUnder(const PageObject& photo) const
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        if (it->get() != &photo && IsPlaceholder(**it) && Intersects((*it)->m_rect, photo.m_rect))
            return static_cast<PhotoObject*>(it->get());
    }
    return nullptr;
}

void CanvasModel::MoveSelected(int dx, int dy)
{
    std::vector<PageObject*> moving;
    for (PageObject* object : Selected())
        if (!object->m_bLocked)
            moving.push_back(object);
    Step(moving, UndoKind::Move, [&] {
        for (PageObject* object : moving)
            object->m_rect = Offset(object->m_rect, dx, dy);
    });
}

bool CanvasModel::Nudge(int dx, int dy)
{
    if (m_current && m_current->m_bLocked) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return false;
    }
    MoveSelected(dx, dy);
    return true;
}

bool CanvasModel::SizeStep(int dWidth, int dHeight)
{
    if (!m_current || !TakesSizeSteps(*m_current))
        return false;
    if (m_current->m_bLocked) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return false;
    }
    PageObject& object = *m_current;
    Step({&object}, UndoKind::Move, [&] {
        PageRect rect = object.m_rect;
        rect.right += dWidth;
        rect.bottom += dHeight;
        Place(object, rect);
    });
    return true;
}

void CanvasModel::Align(Edge edge)
{
    if (!m_current)
        return;
    const PageRect reference = Normalized(m_current->m_rect);
    const std::vector<PageObject*> moving = OthersSelectedUnlocked();
    Step(moving, UndoKind::Move, [&] {
        for (PageObject* object : moving) {
            const PageRect r = Normalized(object->m_rect);
            PageRect aligned = r;
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

void CanvasModel::SameWidth()
{
    SizeOthersLikeCurrent([](PageRect& rect, const PageRect& reference) {
        rect.right = rect.left + reference.Width();
    });
}

void CanvasModel::SameHeight()
{
    SizeOthersLikeCurrent([](PageRect& rect, const PageRect& reference) {
        rect.bottom = rect.top + reference.Height();
    });
}

std::vector<PageObject*> CanvasModel::OthersSelectedUnlocked() const
{
    std::vector<PageObject*> others;
    for (PageObject* object : Selected())
        if (object != m_current && !object->m_bLocked)
            others.push_back(object);
    return others;
}

void CanvasModel::SizeOthersLikeCurrent(
    const std::function<void(PageRect&, const PageRect&)>& resize)
{
    if (!m_current)
        return;
    const PageRect reference = Normalized(m_current->m_rect);
    const std::vector<PageObject*> sizing = OthersSelectedUnlocked();
    Step(sizing, UndoKind::Move, [&] {
        for (PageObject* object : sizing) {
            PageRect rect = Normalized(object->m_rect);
            resize(rect, reference);
            Place(*object, rect);
        }
    });
}

// ---- stacking order -------------------------------------------------------------------

void CanvasModel::BringToFront()
{
    if (!m_hit || !m_current)
        return;
    if (auto taken = Take(m_current)) {
        m_current = taken.get();
        m_objects.push_back(std::move(taken));
    }
}

void CanvasModel::SendToBack()
{
    if (!m_hit || !m_current)
        return;
    if (auto taken = Take(m_current)) {
        m_current = taken.get();
        m_objects.insert(m_objects.begin(), std::move(taken));
    }
}

void CanvasModel::OneStepFront()
{
    const auto it = Find(m_current);
    if (it != m_objects.end() && std::next(it) != m_objects.end())
        std::iter_swap(it, std::next(it));
}

void CanvasModel::OneStepBack()
{
    const auto it = Find(m_current);
    if (it != m_objects.end() && it != m_objects.begin())
        std::iter_swap(it, std::prev(it));
}

void CanvasModel::SetLocked(bool locked)
{
    for (PageObject* object : Selected())
        object->m_bLocked = locked ? 1 : 0;
}

// ---- delete and clipboard -------------------------------------------------------------

void CanvasModel::DeleteSelected()
{
    const std::vector<PageObject*> selected = Selected();
    if (selected.empty())
        return;
    if (selected.size() == 1 && selected.front()->m_bLocked) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return;
    }
    std::vector<PageObject*> deleting;
    for (PageObject* object : selected)
        if (!object->m_bLocked)
            deleting.push_back(object);
    // Kept alive until the step has copied them as they were deleted.
    ObjectList deleted;
    Step(deleting, UndoKind::Delete, [&] {
        for (PageObject* object : deleting)
            deleted.push_back(Take(object));
    });
    m_hit = false;
    m_current = nullptr;
    m_multiSelection = SelectedCount() > 1;
}

void CanvasModel::Copy()
{
    m_clipboard.clear();
    ObjectIdentity::Batch batch;
    for (PageObject* object : Selected())
        if (GoesOnClipboard(*object))
            m_clipboard.push_back(object->Clone());
}

void CanvasModel::Cut()
{
    if (SelectedCount() == 0 || !m_current)
        return;
    std::vector<PageObject*> cutting;
    for (PageObject* object : Selected())
        if (!object->m_bLocked)
            cutting.push_back(object);
    if (cutting.empty()) {
        Prompt().Inform(QString::fromLatin1(kLockedMessage));
        return;
    }
    m_clipboard.clear();
    Step(cutting, UndoKind::Delete, [&] {
        for (PageObject* object : cutting)
            m_clipboard.push_back(Take(object));
    });
    m_current = nullptr;
    m_hit = false;
    m_multiSelection = SelectedCount() > 1;
}

void CanvasModel::Paste(const QPoint& rightClick)
{
    if (m_clipboard.empty())
        return;
    PageRect area = m_clipboard.front()->m_rect;
    for (const auto& object : m_clipboard)
        area = United(area, object->m_rect);
    const QPoint offset = (rightClick.x() != 0 && rightClick.y() != 0)
        ? rightClick - QPoint(area.left, area.top)
        : QPoint(10, 10);

    DeselectAll();
    ObjectIdentity::Batch batch;
    for (const auto& object : m_clipboard) {
        if (!object->m_bSelected)
            continue;
        std::unique_ptr<PageObject> copy = object->Clone();
        copy->m_rect = Offset(copy->m_rect, offset.x(), offset.y());
        m_current = copy.get();
        ObjectList before;
        before.push_back(UndoHistory::HistoryCopy(*copy));
        ObjectList after;
        after.push_back(UndoHistory::HistoryCopy(*copy));
        m_objects.push_back(std::move(copy));
        m_history.Push(UndoKind::Insert, std::move(before), std::move(after));
    }
    m_multiSelection = SelectedCount() > 1;
    Changed();
}

// ---- undo -----------------------------------------------------------------------------

bool CanvasModel::Undo()
{
    ObjectIdentity::Batch batch;
    const QString current = m_current ? m_current->m_strID : QString();
    if (!m_history.Undo(m_objects))
        return false;
    Revalidate(current);
    Changed();
    return true;
}

bool CanvasModel::Redo()
{
    ObjectIdentity::Batch batch;
    const QString current = m_current ? m_current->m_strID : QString();
    if (!m_history.Redo(m_objects))
        return false;
    Revalidate(current);
    Changed();
    return true;
}

void CanvasModel::Revalidate(const QString& currentIdentity)
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

std::vector<PageObject*> CanvasModel::ObjectsOfType(int type) const
{
    std::vector<PageObject*> found;
    for (const auto& object : m_objects)
        if (object->m_nType == type)
            found.push_back(object.get());
    return found;
}

PhotoObject* CanvasModel::PhotoBeneath(const PhotoObject& photo) const
{
    const PageRect own = Normalized(photo.m_rect);
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        auto* other = dynamic_cast<PhotoObject*>(it->get());
        if (other && other != &photo && other->HasPicture()
            && Intersection(other->m_rect, own) == own)
            return other;
    }
    return nullptr;
}

ObjectList::iterator CanvasModel::Find(const PageObject* object)
{
    return std::find_if(m_objects.begin(), m_objects.end(),
                        [&](const auto& o) { return o.get() == object; });
}

void CanvasModel::Forget(const PageObject* object)
{
    if (onRemoving)
        onRemoving(object);
    if (m_current == object)
        m_current = nullptr;
}

std::unique_ptr<PageObject> CanvasModel::Take(const PageObject* object)
{
    const auto it = Find(object);
    if (it == m_objects.end())
        return nullptr;
    Forget(object);
    std::unique_ptr<PageObject> taken = std::move(*it);
    m_objects.erase(it);
    return taken;
}
