#pragma once

#include <QStringList>

class QTreeWidget;

// The texts of one column of a list's rows, top to bottom.
QStringList ColumnTexts(const QTreeWidget& list, int column);
// The texts of one row, left to right.
QStringList RowTexts(const QTreeWidget& list, int row);
