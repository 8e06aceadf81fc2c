#include "canvas/editing/ObjectKindCommands.h"

#include <vector>

namespace ObjectKinds {
namespace {

std::vector<std::unique_ptr<ObjectKindCommands>>& Kinds()
{
    static std::vector<std::unique_ptr<ObjectKindCommands>> kinds;
    return kinds;
}

} // namespace

void Register(std::unique_ptr<ObjectKindCommands> kind)
{
    if (!OfType(kind->Type()))
        Kinds().push_back(std::move(kind));
}

ObjectKindCommands* OfType(int type)
{
    for (const auto& kind : Kinds())
        if (kind->Type() == type)
            return kind.get();
    return nullptr;
}

ObjectKindCommands* Owning(int id)
{
    for (const auto& kind : Kinds())
        if (kind->InsertCommand() == id || kind->Handles(id))
            return kind.get();
    return nullptr;
}

} // namespace ObjectKinds
