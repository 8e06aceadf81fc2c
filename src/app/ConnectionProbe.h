#pragma once

#include "records/DatabaseLocation.h"

#include <QString>
#include <functional>

class QObject;

// Tries whether the records of a location can be reached, on a worker thread, so a
// server that does not answer never holds up the window. Tries run one after another.
namespace ConnectionProbe {

struct Answer
{
    bool reached = false;
    // The engine's name and version when reached, else why not.
    QString text;
};

// Calls `done` on `receiver`'s thread with the answer; never once `receiver` is gone.
void Try(const DatabaseLocation& location, QObject* receiver,
         std::function<void(const Answer&)> done);

} // namespace ConnectionProbe
