#pragma once

#include <QStringList>

// tendrel-cli week-check [--today YYYY-MM-DD] [--home DIR]
int WeekCheckCommand(const QStringList& arguments);
// tendrel-cli statement --child NAME --year Y --month M [--home DIR] (--json | OUT.png | OUT.pdf)
int StatementCommand(const QStringList& arguments);
