#pragma once

#include <QJsonObject>
#include <QStringList>
#include <optional>

struct StatementFigures;

// tendrel-cli week-check [--today YYYY-MM-DD] [--home DIR]
int WeekCheckCommand(const QStringList& arguments);
// tendrel-cli statement --child NAME --year Y --month M [--home DIR] (--json | OUT.png | OUT.pdf)
int StatementCommand(const QStringList& arguments);

// The application folder and the rates the desktop program would use.
void UseApplicationFolder(const QString& home);
// A whole number from `low` to `high`, or nullopt.
std::optional<int> NumberIn(const QString& text, int low, int high);
// A statement's rows, totals, forward and total due.
QJsonObject StatementJson(const QString& child, int year, int month,
                          const StatementFigures& figures);
