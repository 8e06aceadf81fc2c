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
    using WeekCheck::Outcome;
    if (result.outcome == Outcome::MarkersNotWritten) {
        ReportOnce(QStringLiteral("This week's tuition rows were not made because the "
                                  "settings could not be saved. They will be made once the "
                                  "settings can be written."));
        return;
    }
    m_lastFailure.clear();
    const QStringList& skipped = result.generation.skipped;
    if (result.outcome != Outcome::Generated || skipped.isEmpty())
        return;
    Prompt().Warn(QStringLiteral("No tuition row was made for the week %1 to %2 for %3: a "
                                 "payment row holds names of at most %4 characters.")
                      .arg(result.week.StartText(), result.week.EndText(),
                           skipped.join(QStringLiteral(", ")))
                      .arg(WeeklyPayments::NameWidth()));
}

void CWeekCheckRunner::ReportOnce(const QString& failure)
{
    if (failure == m_lastFailure)
        return;
    m_lastFailure = failure;
    Prompt().Error(failure);
}
