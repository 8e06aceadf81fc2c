#include "support/WidgetTexts.h"

#include <QTreeWidget>

QStringList ColumnTexts(const QTreeWidget& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}
