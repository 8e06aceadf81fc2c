#pragma once

#include "canvas/objects/WrnDocument.h"

#include <array>
#include <vector>

// What an undo step did to its objects.
enum class UndoKind { None = 0, Move = 1, Delete = 2, Insert = 3, Modify = 4 };

// The last ten editing steps of the page. Each step keeps copies of its objects as they
// were before and after; a copy carries the identity of the object it stands for, which
// is how undo finds the live object again.
class UndoHistory
{
public:
    static constexpr int kSlots = 10;

    // Keeps a finished step: the oldest is dropped when all slots are full, and whatever
    // could be redone is lost. The copies must carry their objects' identities
    // (HistoryCopy). `places` holds where each `before` object stood in the page's list,
    // so that what undo brings back returns to its place in the stacking order; without
    // it, brought-back objects go on top.
    void Push(UndoKind kind, ObjectList before, ObjectList after, std::vector<int> places = {});

    // Forgets every step: another page's steps mean nothing on this one.
    void Clear();

    bool CanUndo() const { return m_count > 0; }
    bool CanRedo() const;
    // The number of steps that can be undone.
    int Count() const { return m_count; }

    // Each returns true when a step was applied to the list.
    bool Undo(ObjectList& objects);
    bool Redo(ObjectList& objects);

    // The copy an object's identity is restored into: same identity, same lock.
    static std::unique_ptr<PageObject> HistoryCopy(const PageObject& object);

private:
    struct Slot
    {
        ObjectList before;
        ObjectList after;
        std::vector<int> places;
        UndoKind kind = UndoKind::None;
        void Clear();
    };

    static void Apply(ObjectList& objects, const Slot& slot, bool undoing);

    std::array<Slot, kSlots> m_slots;
    int m_count = 0;
};
