#include "canvas/editing/UndoHistory.h"

#include "canvas/objects/CurveObject.h"

#include <algorithm>

namespace {

ObjectList::iterator FindByIdentity(ObjectList& objects, const QString& identity)
{
    return std::find_if(objects.begin(), objects.end(),
                        [&](const auto& object) { return object->m_strID == identity; });
}

// A move or resize gives back the rectangle, and a curve the vertices it was scaled by.
void RestorePlace(PageObject& live, const PageObject& copy)
{
    live.m_rect = copy.m_rect;
    auto* curve = dynamic_cast<CurveObject*>(&live);
    const auto* saved = dynamic_cast<const CurveObject*>(&copy);
    if (curve && saved)
        curve->m_vertices = saved->m_vertices;
}

} // namespace

void UndoHistory::Slot::Clear()
{
    before.clear();
    after.clear();
    kind = UndoKind::None;
}

std::unique_ptr<PageObject> UndoHistory::HistoryCopy(const PageObject& object)
{
    std::unique_ptr<PageObject> copy = object.Clone();
    copy->m_strID = object.m_strID;
    copy->m_bLocked = object.m_bLocked;
    return copy;
}

void UndoHistory::Push(UndoKind kind, ObjectList before, ObjectList after)
{
    if (m_count == kSlots) {
        std::rotate(m_slots.begin(), m_slots.begin() + 1, m_slots.end());
        m_count = kSlots - 1;
    }
    for (int i = m_count; i < kSlots; ++i)
        m_slots[i].Clear();
    Slot& slot = m_slots[m_count++];
    slot.kind = kind;
    slot.before = std::move(before);
    slot.after = std::move(after);
}

void UndoHistory::Clear()
{
    for (Slot& slot : m_slots)
        slot.Clear();
    m_count = 0;
}

bool UndoHistory::CanRedo() const
{
    return m_count < kSlots && !m_slots[m_count].after.empty();
}

bool UndoHistory::Undo(ObjectList& objects)
{
    if (m_count == 0)
        return false;
    --m_count;
    Apply(objects, m_slots[m_count], true);
    return true;
}

bool UndoHistory::Redo(ObjectList& objects)
{
    if (!CanRedo())
        return false;
    Apply(objects, m_slots[m_count], false);
    ++m_count;
    return true;
}

void UndoHistory::Apply(ObjectList& objects, const Slot& slot, bool undoing)
{
    const ObjectList& copies = undoing ? slot.before : slot.after;
    switch (slot.kind) {
    case UndoKind::Move:
        for (const auto& copy : copies) {
            const auto live = FindByIdentity(objects, copy->m_strID);
            if (live != objects.end())
                RestorePlace(**live, *copy);
            else if (undoing)
                objects.push_back(HistoryCopy(*copy)); // taken away by the move
        }
        if (!undoing) {
            // What the move took away (a placeholder a photo took the place of) goes again.
            for (const auto& copy : slot.before) {
                const bool kept = std::any_of(
                    slot.after.begin(), slot.after.end(),
                    [&](const auto& after) { return after->m_strID == copy->m_strID; });
                const auto live = FindByIdentity(objects, copy->m_strID);
                if (!kept && live != objects.end())
                    objects.erase(live);
            }
        }
        break;
    case UndoKind::Delete:
    case UndoKind::Insert: {
        // Undoing a deletion brings the objects back; redoing it takes them away again.
        // An insertion is the mirror image.
        const bool bringBack = (slot.kind == UndoKind::Delete) == undoing;
        for (const auto& copy : copies) {
            const auto live = FindByIdentity(objects, copy->m_strID);
            if (bringBack && live == objects.end())
                objects.push_back(HistoryCopy(*copy));
            else if (!bringBack && live != objects.end())
                objects.erase(live);
        }
        break;
    }
    case UndoKind::Modify:
        for (const auto& copy : copies) {
            const auto live = FindByIdentity(objects, copy->m_strID);
            if (live != objects.end())
                *live = HistoryCopy(*copy);
        }
        break;
    case UndoKind::None:
        break;
    }
}
