#pragma once

#include "tuition/WeekCheck.h"

#include <QString>
#include <functional>
#include <optional>

// The week check as a timer runs it every minute, told to a person only when it matters:
// one check at a time (a message shown by one does not let the next start), an engine
// error once until a check succeeds again, and the children a new week left out.
class WeekCheckRunner
{
public:
    using Check = std::function<WeekCheck::Result()>;

    explicit WeekCheckRunner(Check check);

    // Runs the check unless one is running. The result; none when no check ran or it
    // failed.
    std::optional<WeekCheck::Result> Run();
    bool IsRunning() const { return m_running; }

private:
    void Tell(const WeekCheck::Result& result);
    // Shows a failure unless it is the one shown last.
    void ReportOnce(const QString& failure);

    Check m_check;
    bool m_running = false;
    QString m_lastFailure;
};
