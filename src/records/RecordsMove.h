#pragma once

#include "records/DatabaseLocation.h"

#include <QString>
#include <vector>

// Copies every row of a records file into an empty database on a server, as the center
// moves from one computer to every seat.
namespace RecordsMove {

struct TableCount
{
    QString table;
    int rows = 0;
};

// Reads the file (which is left as it is), makes the tables on the server and copies
// every row in table order, all in one transaction that commits only when each table's
// row count and the sum of each of its amount columns on the server equal the file's.
// A value the program would read as no number or no date is copied as empty (NULL).
// Refuses, writing nothing, a server database that holds records already. Throws
// DatabaseError saying what went wrong. The run's records are where they were before.
std::vector<TableCount> CopyFileToServer(const QString& filePath, const DatabaseLocation& server);

} // namespace RecordsMove
