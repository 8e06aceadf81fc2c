#include "tuition/WeekCheck.h"

#include "app/ProgramState.h"
#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "records/RecordsDatabase.h"

#include <QFileInfo>

namespace WeekCheck {

CResult Run(CSettingsStore& settings, CDBVChildInfoSet& enrollment,
            CDBChildPaymentSet& payments, const QDate& today, const CTuitionRates& rates,
            CCompletedWeek* completed)
{
    CResult result;
    result.week = CTuitionWeek::Holding(today);
    if (!RecordsDatabaseExists()) {
        result.outcome = Outcome::NoDatabase;
        return result;
    }
    const QString database =
        QFileInfo(CRecordsDatabase::FilePath(Program().programDir)).absoluteFilePath();
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
