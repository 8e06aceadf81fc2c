#pragma once

#include <QStringList>

// tendrel-cli create-db [--home DIR]
int CreateDatabaseCommand(const QStringList& arguments);
