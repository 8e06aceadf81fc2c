#include "app/RecordsAvailability.h"

#include "app/ConnectionProbe.h"

RecordsAvailability::RecordsAvailability(QObject* parent) : QObject(parent)
{
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &RecordsAvailability::Retry);
}

void RecordsAvailability::Watch(const DatabaseLocation& location)
{
    m_location = location;
    m_refused = false;
    ++m_generation;
    m_trying = false;
    // Announced even when the state stays: the records are elsewhere now.
    Become(location.IsServer() ? State::Reaching : State::Available, {}, true);
    if (location.IsServer())
        TryServer();
}

void RecordsAvailability::Refuse(const QString& reason)
{
    m_location = DatabaseLocation();
    m_refused = true;
    ++m_generation;
    m_trying = false;
    Become(State::Unavailable, reason, true);
}

void RecordsAvailability::Retry()
{
    if (CanRetry() && !m_trying)
        TryServer();
}

void RecordsAvailability::Check()
{
    if (m_location.IsServer() && m_state == State::Available && !m_trying)
        TryServer();
}

void RecordsAvailability::TryServer()
{
    m_trying = true;
    const int generation = m_generation;
    ConnectionProbe::Try(m_location, this, [this, generation](const ConnectionProbe::Answer& answer) {
        if (generation != m_generation)
            return;
        m_trying = false;
        Become(answer.reached ? State::Available : State::Unavailable,
               answer.reached ? QString() : answer.text);
    });
}

void RecordsAvailability::Become(State state, const QString& reason, bool announce)
{
    const State before = m_state;
    const bool changed = announce || state != m_state || reason != m_reason;
    m_state = state;
    m_reason = reason;
    if (CanRetry())
        m_retry.start();
    else
        m_retry.stop();
    if (changed)
        Q_EMIT Changed(before);
}

QString RecordsAvailability::Notice() const
{
    switch (m_state) {
    case State::Available:
        return {};
    case State::Reaching:
        return QStringLiteral("Reaching the records server %1 …").arg(m_location.ShownText());
    case State::Unavailable:
        break;
    }
    const QString again = m_refused
        ? QStringLiteral("Choose where the records live under Settings › Database.")
        : QStringLiteral("Tendrel tries again every %1 seconds and whenever this center is "
                         "shown; the records appear here as soon as the server answers.")
              .arg(kRetryMilliseconds / 1000);
    return QStringLiteral("The records are unavailable.\n\n%1\n\n%2").arg(m_reason, again);
}
