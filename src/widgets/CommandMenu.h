#pragma once

#include "commands/CommandTarget.h"

#include <functional>

class QAction;
class QMenu;

// Right-click menus made of the program's actions, so their entries look and behave
// like the menu bar's and toolbars'.
namespace CommandMenu {

using ActionSource = std::function<QAction*(int id)>;

// The action of `id` for a menu: the program's own when the source has one, else a
// plain one that runs the command on `target`. Enabled as `target` says.
QAction* ActionFor(int id, QMenu& menu, const ActionSource& source, CommandTarget& target);

} // namespace CommandMenu
