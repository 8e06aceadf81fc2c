#include "canvas/editing/UndoHistory.h"

#include "canvas/objects/CurveObject.h"

#include <algorithm>
#include <climits>

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

// Puts back the copies not on the page, each at the place it had (lowest place first, so
// that every later place counts the earlier ones), or on top when its place is unknown.
void BringBack(ObjectList& objects, const ObjectList& copies, const std::vector<int>& places)
{
    std::vector<std::pair<int, const PageObject*>> missing;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        if (FindByIdentity(objects, copies[i]->m_strID) != objects.end())
            continue;
        const int place = i < places.size() ? places[i] : -1;
        missing.emplace_back(place < 0 ? INT_MAX : place, copies[i].get());
    }
    std::stable_sort(missing.begin(), missing.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [place, copy] : missing) {
        const auto at = std::min<std::size_t>(static_cast<std::size_t>(place), objects.size());
        objects.insert(objects.begin() + static_cast<std::ptrdiff_t>(at),
                       UndoHistory::HistoryCopy(*copy));
    }
}

} // namespace

void UndoHistory::Slot::Clear()
{
    before.clear();
    after.clear();
    places.clear();
    kind = UndoKind::None;
}

std::unique_ptr<PageObject> UndoHistory::HistoryCopy(const PageObject& object)
{
    std::unique_ptr<PageObject> copy = object.Clone();
    copy->m_strID = object.m_strID;
    copy->m_bLocked = object.m_bLocked;
    return copy;
}

void UndoHistory::Push(UndoKind kind, ObjectList before, ObjectList after,
                       std::vector<int> places)
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
    slot.places = std::move(places);
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
        }
        if (undoing) {
            BringBack(objects, copies, slot.places); // what the move took away
        } else {
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
        if (bringBack) {
            BringBack(objects, copies, slot.kind == UndoKind::Delete ? slot.places
                                                                      : std::vector<int>{});
            break;
        }
        for (const auto& copy : copies) {
            const auto live = FindByIdentity(objects, copy->m_strID);
            if (live != objects.end())
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
