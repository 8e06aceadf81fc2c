#include "tuition/WeekCheckRunner.h"

#include "platform/UserPrompt.h"
#include "records/RecordsDatabase.h"

#include <QScopedValueRollback>

WeekCheckRunner::WeekCheckRunner(Check check) : m_check(std::move(check)) {}

std::optional<WeekCheck::Result> WeekCheckRunner::Run()
{
    if (m_running)
        return std::nullopt;
    const QScopedValueRollback running(m_running, true);
    try {
        const WeekCheck::Result result = m_check();
        Tell(result);
        return result;
    } catch (const DatabaseError& error) {
        // The check repeats every minute: the same error each time is told once.
        ReportOnce(error.Message());
        return std::nullopt;
    }
}

void WeekCheckRunner::Tell(const WeekCheck::Result& result)
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

void WeekCheckRunner::ReportOnce(const QString& failure)
{
    if (failure == m_lastFailure)
        return;
    m_lastFailure = failure;
    Prompt().Error(failure);
}
