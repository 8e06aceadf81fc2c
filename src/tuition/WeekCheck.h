#pragma once

#include "tuition/TuitionWeek.h"
#include "tuition/WeeklyPayments.h"

class CDBChildPaymentSet;
class CDBVChildInfoSet;
class CSettingsStore;
struct CTuitionRates;

// The check a timer runs every minute: the first check in a new week makes the week's
// rows, once, and remembers the week in the settings (WEEKSTART and WEEKEND).
namespace WeekCheck {

enum class Outcome {
    SameWeek,           // the week's rows were made already
    NoDatabase,         // nothing to make them in yet; the markers stay
    MarkersNotWritten,  // the settings refused the new week; nothing was made
    Generated,
};

struct CResult
{
    Outcome outcome = Outcome::SameWeek;
    CTuitionWeek week;
    WeeklyPayments::CGeneration generation;
};

// Runs the check for `today` against the program's database. An engine error passes on
// as CDatabaseError with no row of the week written and the markers untouched.
CResult Run(CSettingsStore& settings, CDBVChildInfoSet& enrollment,
            CDBChildPaymentSet& payments, const QDate& today, const CTuitionRates& rates);

} // namespace WeekCheck
