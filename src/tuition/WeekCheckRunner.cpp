#include "tuition/WeekCheckRunner.h"

#include "platform/Prompt.h"
#include "records/RecordsDatabase.h"

#include <QScopedValueRollback>

CWeekCheckRunner::CWeekCheckRunner(Check check) : m_check(std::move(check)) {}

std::optional<WeekCheck::CResult> CWeekCheckRunner::Run()
{
    if (m_running)
        return std::nullopt;
    const QScopedValueRollback running(m_running, true);
    try {
        const WeekCheck::CResult result = m_check();
        Tell(result);
        return result;
    } catch (const CDatabaseError& error) {
        // The check repeats every minute: the same error each time is told once.
        ReportOnce(error.Message());
        return std::nullopt;
    }
}

void CWeekCheckRunner::Tell(const WeekCheck::CResult& result)
{
    m_lastFailure.clear();
    const QStringList& skipped = result.generation.skipped;
    if (result.outcome != WeekCheck::Outcome::Generated || skipped.isEmpty())
        return;
    Prompt().Warn(QStringLiteral("No tuition row was made for the week %1 for %2: a payment "
                                 "row holds names of at most %3 characters.")
                      .arg(result.week.ShownText(), skipped.join(QStringLiteral(", ")))
                      .arg(WeeklyPayments::NameWidth()));
}

void CWeekCheckRunner::ReportOnce(const QString& failure)
{
    if (failure == m_lastFailure)
        return;
    m_lastFailure = failure;
    Prompt().Error(failure);
}
