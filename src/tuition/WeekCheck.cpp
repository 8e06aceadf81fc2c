#include "tuition/WeekCheck.h"

#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "records/RecordsDatabase.h"

namespace WeekCheck {

CResult Run(CSettingsStore& settings, CDBVChildInfoSet& enrollment,
            CDBChildPaymentSet& payments, const QDate& today, const CTuitionRates& rates)
{
    using namespace SettingsKey;
    CResult result;
    result.week = CTuitionWeek::Holding(today);
    const QString start = result.week.StartText();
    const QString end = result.week.EndText();
    const bool newWeek = start != settings.GetString(Setting, WeekStart)
                      && end != settings.GetString(Setting, WeekEnd);
    if (!newWeek)
        return result;
    if (!RecordsDatabaseExists()) {
        result.outcome = Outcome::NoDatabase;
        return result;
    }
    // The markers are written first: rows made twice would be charged twice, so a week
    // whose markers cannot be kept is not generated at all.
    const QString oldStart = settings.GetString(Setting, WeekStart);
    const QString oldEnd = settings.GetString(Setting, WeekEnd);
    const auto restoreMarkers = [&] {
        settings.WriteString(Setting, WeekStart, oldStart);
        settings.WriteString(Setting, WeekEnd, oldEnd);
    };
    if (!settings.WriteString(Setting, WeekStart, start)
        || !settings.WriteString(Setting, WeekEnd, end)) {
        restoreMarkers();
        result.outcome = Outcome::MarkersNotWritten;
        return result;
    }
    try {
        result.generation =
            WeeklyPayments::GenerateWeek(enrollment, payments, result.week, rates);
    } catch (...) {
        restoreMarkers();
        throw;
    }
    result.outcome = Outcome::Generated;
    return result;
}

} // namespace WeekCheck
