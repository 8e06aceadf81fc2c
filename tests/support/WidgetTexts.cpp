#include "support/WidgetTexts.h"

#include <QMenu>
#include <QTreeWidget>

QStringList ColumnTexts(const QTreeWidget& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

QStringList MenuEntries(const QMenu& menu)
{
    QStringList texts{menu.title()};
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            texts << QStringLiteral("-");
        else
            texts << QStringLiteral("%1:%2").arg(action->text()).arg(action->isEnabled());
    }
    return texts;
}
