#pragma once

#include <QStringList>

// tendrel-cli create-db [--home DIR]
int CreateDatabaseCommand(const QStringList& arguments);
// tendrel-cli move-records --to URL [--home DIR]: copies WRN.mdb into an empty server
// database.
int MoveRecordsCommand(const QStringList& arguments);
