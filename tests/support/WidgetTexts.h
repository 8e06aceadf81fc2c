#pragma once

#include <QStringList>

class QTreeWidget;

// The texts of one column of a list's rows, top to bottom.
QStringList ColumnTexts(const QTreeWidget& list, int column);
