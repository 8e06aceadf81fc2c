#pragma once

#include "commands/CenterIndex.h"

#include <optional>

// When a routed command may be enabled, on top of what its view says.
enum class EnableRule {
    EditCenterShown,    // canvas commands: only while the Edit Center is shown
    PhotoCenterShown,   // file commands of the photo list: only while the Photo Center is shown
    Always,             // whenever the owning view handles it
};

// Where the center container sends a command of its toolbars and menus.
struct CommandRoute
{
    Center::Index center;
    EnableRule rule;
};

// The owning center of a command id, or nullopt for a command the container does not route.
std::optional<CommandRoute> RouteOfCommand(int id);

// The center a View command switches to (919 the Edit Center, ...), or nullopt.
std::optional<Center::Index> CenterOfViewCommand(int id);
// The View command of a center.
int ViewCommandOfCenter(Center::Index center);
