#pragma once

#include "commands/CommandTarget.h"

#include <QList>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QWidget;

// Right-click menus made of the program's actions, so their entries look and behave
// like the menu bar's and toolbars'.
namespace CommandMenu {

using ActionSource = std::function<QAction*(int id)>;

// The action of `id` for a menu: the program's own when the source has one, else a
// plain one that runs the command on `target`. Enabled as `target` says.
QAction* ActionFor(int id, QMenu& menu, const ActionSource& source, CommandTarget& target);

// A menu of the commands `ids` (0 stands for a separator), children of `parent`. Entries
// for which `submenuOf` gives a title go into a submenu of that title.
QMenu* Build(const QString& name, const QList<int>& ids, QWidget* parent,
             const ActionSource& source, CommandTarget& target,
             const std::function<QString(int id)>& submenuOf = {});

} // namespace CommandMenu
