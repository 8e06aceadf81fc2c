#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QAction;

// One QAction per command id, shared by menus, toolbars and keys. Triggering an
// action hands its id to the dispatcher.
class ActionRegistry : public QObject
{
    Q_OBJECT

public:
    using Dispatcher = std::function<void(int id)>;

    ActionRegistry(Dispatcher dispatcher, QObject* parent);

    // The action of a command, made from the command catalogue on first use.
    QAction* Action(int id);
    // The action if it exists, else nullptr.
    QAction* Find(int id) const;
    QList<int> Ids() const { return m_actions.keys(); }

    // The command id an action carries, or 0.
    static int IdOf(const QAction* action);

private:
    Dispatcher m_dispatcher;
    QHash<int, QAction*> m_actions;
};
