#pragma once

#include <QStringList>

class QMenu;
class QTreeWidget;

// The texts of one column of a list's rows, top to bottom.
QStringList ColumnTexts(const QTreeWidget& list, int column);
// A menu as "title", then "text:1" or "text:0" by whether an entry is enabled, "-" for
// a separator.
QStringList MenuEntries(const QMenu& menu);
