#include "canvas/editing/ObjectKindCommands.h"

#include <algorithm>
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
    auto& kinds = Kinds();
    const int type = kind->Type();
    std::erase_if(kinds, [type](const auto& known) { return known->Type() == type; });
    kinds.push_back(std::move(kind));
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
