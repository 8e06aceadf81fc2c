#include "app/ConnectionProbe.h"

#include "records/RecordsDatabase.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace ConnectionProbe {

namespace {

// One thread: a try keeps its connection under one name until it ends.
QThreadPool& ProbeThread()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return pool;
}

Answer TryNow(const DatabaseLocation& location)
{
    try {
        return {true, RecordsDatabase::TestConnection(location)};
    } catch (const DatabaseError& error) {
        return {false, error.Message()};
    }
}

} // namespace

void Try(const DatabaseLocation& location, QObject* receiver,
         std::function<void(const Answer&)> done)
{
    // The watcher goes with the receiver, and with it the call back.
    auto* watcher = new QFutureWatcher<Answer>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver,
                     [watcher, done = std::move(done)] {
                         watcher->deleteLater();
                         done(watcher->result());
                     });
    watcher->setFuture(QtConcurrent::run(&ProbeThread(), TryNow, location));
}

} // namespace ConnectionProbe
