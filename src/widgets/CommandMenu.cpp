#include "widgets/CommandMenu.h"

#include "commands/CommandCatalog.h"

#include <QAction>
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

} // namespace CommandMenu
