#include "widgets/CommandMenu.h"

#include "commands/CommandCatalog.h"

#include <QAction>
#include <QMap>
#include <QMenu>

namespace CommandMenu {

QAction* ActionFor(int id, QMenu& menu, const ActionSource& source, CommandTarget& target)
{
    QAction* action = source ? source(id) : nullptr;
    if (!action) {
        const CommandInfo* info = FindCommandInfo(id);
        action = new QAction(info ? PlainCommandText(*info) : QString::number(id), &menu);
        action->setData(id);
        QObject::connect(action, &QAction::triggered, &menu,
                         [&target, id] { target.OnCommand(id); });
    }
    action->setEnabled(target.UpdateCommand(id).enabled);
    return action;
}

QMenu* Build(const QString& name, const QList<int>& ids, QWidget* parent,
             const ActionSource& source, CommandTarget& target,
             const std::function<QString(int id)>& submenuOf)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    QMap<QString, QMenu*> submenus;
    for (const int id : ids) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = ActionFor(id, *menu, source, target);
        const QString title = submenuOf ? submenuOf(id) : QString();
        if (title.isEmpty()) {
            menu->addAction(action);
            continue;
        }
        QMenu*& submenu = submenus[title];
        if (!submenu)
            submenu = menu->addMenu(title);
        submenu->addAction(action);
    }
    return menu;
}

} // namespace CommandMenu
