#include "widgets/ActionRegistry.h"

#include "commands/CommandCatalog.h"
#include "widgets/Icons.h"

#include <QAction>

ActionRegistry::ActionRegistry(Dispatcher dispatcher, QObject* parent)
    : QObject(parent), m_dispatcher(std::move(dispatcher))
{
}

QAction* ActionRegistry::Action(int id)
{
    if (QAction* existing = Find(id))
        return existing;

    auto* action = new QAction(this); // the registry owns its actions, whoever owns it
    action->setData(id);
    if (const CommandInfo* info = FindCommandInfo(id)) {
        action->setText(QString::fromUtf8(info->text));
        action->setIconText(PlainCommandText(*info));
        const QString tip = QString::fromUtf8(info->toolTip);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        action->setIcon(TendrelIcon(QString::fromLatin1(info->icon)));
    } else {
        action->setText(QString::number(id));
    }
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, id] { m_dispatcher(id); });
    m_actions.insert(id, action);
    return action;
}

QAction* ActionRegistry::Find(int id) const
{
    return m_actions.value(id, nullptr);
}

int ActionRegistry::IdOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}
