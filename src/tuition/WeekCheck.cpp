#include "tuition/WeekCheck.h"

#include "settings/ProgramState.h"
#include "settings/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "records/RecordsDatabase.h"


namespace WeekCheck {

Result Run(SettingsStore& settings, EnrollmentTable& enrollment,
            PaymentTable& payments, const QDate& today, const TuitionRates& rates,
            CompletedWeek* completed)
{
    Result result;
    result.week = TuitionWeek::Holding(today);
    if (!RecordsDatabaseExists()) {
        result.outcome = Outcome::NoDatabase;
        return result;
    }
    const QString database = RecordsDatabase::Name(Program().programDir);
    if (completed && completed->database == database && completed->start == result.week.start)
        return result;
    result.generation = WeeklyPayments::GenerateWeek(enrollment, payments, result.week, rates);
    const bool made = result.generation.added > 0 || !result.generation.skipped.isEmpty();
    result.outcome = made ? Outcome::Generated : Outcome::SameWeek;
    if (completed)
        *completed = {database, result.week.start};
    // What was made last, for people reading the settings; the rows themselves decide.
    settings.WriteString(SettingsKey::Setting, SettingsKey::WeekStart, result.week.StartText());
    settings.WriteString(SettingsKey::Setting, SettingsKey::WeekEnd, result.week.EndText());
    return result;
}

} // namespace WeekCheck
