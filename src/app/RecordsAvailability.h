#pragma once

#include "records/DatabaseLocation.h"

#include <QObject>
#include <QString>
#include <QTimer>

// Whether the records can be reached now. The WRN.mdb file of this computer always can
// (a missing file only means no records yet). A server is tried off the window's
// thread: when it is chosen, when asked, and every 30 seconds while it does not answer.
class RecordsAvailability : public QObject
{
    Q_OBJECT

public:
    enum class State { Available, Reaching, Unavailable };
    static constexpr int kRetryMilliseconds = 30000;

    explicit RecordsAvailability(QObject* parent = nullptr);

    // Follows the records of `location` from now on.
    void Watch(const DatabaseLocation& location);
    // The records are not to be used at all (a stored address that cannot be read):
    // unavailable for `reason` until another location is watched.
    void Refuse(const QString& reason);
    // Tries the server again at once while it cannot be reached.
    void Retry();
    // Finds out again whether the server answers, after a command on it failed.
    void Check();

    State GetState() const { return m_state; }
    // Whether trying again could help: a server that did not answer.
    bool CanRetry() const { return m_state == State::Unavailable && !m_refused; }
    const DatabaseLocation& Location() const { return m_location; }
    // Why the records cannot be reached, as the engine said it.
    QString Reason() const { return m_reason; }
    // What the records centers show in place of the records; empty when available.
    QString Notice() const;

Q_SIGNALS:
    // The state or its reason changed; `before` is the state it left.
    void Changed(RecordsAvailability::State before);

private:
    void TryServer();
    void Become(State state, const QString& reason, bool announce = false);

    DatabaseLocation m_location;
    State m_state = State::Available;
    QString m_reason;
    bool m_refused = false;
    bool m_trying = false;
    int m_generation = 0;   // answers for a location no longer watched are dropped
    QTimer m_retry;
};
