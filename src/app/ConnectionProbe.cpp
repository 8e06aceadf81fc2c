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

// The engine's text without the indents and blank lines its messages come with.
QString Tidied(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines.join(QLatin1Char('\n'));
}

Answer TryNow(const DatabaseLocation& location)
{
    try {
        return {true, Tidied(RecordsDatabase::TestConnection(location))};
    } catch (const DatabaseError& error) {
        return {false, Tidied(error.Message())};
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
