#pragma once

#include "tuition/TuitionWeek.h"
#include "tuition/WeeklyPayments.h"

class PaymentTable;
class EnrollmentTable;
class SettingsStore;
struct TuitionRates;

// The check a timer runs every minute: every enrolled child without a row of the current
// week gets one. The database decides who has one, so checks of other processes, other
// application folders or other weeks never charge a child twice. The week is then kept
// in the user's settings (WEEKSTART and WEEKEND), which tell what was made last but guard
// nothing.
namespace WeekCheck {

enum class Outcome {
    SameWeek,     // every enrolled child had a row of the week already
    NoDatabase,   // nothing to make them in yet
    Generated,    // rows were made, or a child was left out
};

struct Result
{
    Outcome outcome = Outcome::SameWeek;
    TuitionWeek week;
    WeeklyPayments::Generation generation;
};

// The week a running program completed last in one database; its timer's later checks of
// that week go without the database.
struct CompletedWeek
{
    QString database;
    QDate start;
};

// Runs the check for `today` against the program's database. An engine error, or a week
// the records cannot hold, passes on as DatabaseError with no row of the week written
// and the markers untouched. With `completed`, a week completed in the same database is
// not checked again, and the week checked is remembered there.
Result Run(SettingsStore& settings, EnrollmentTable& enrollment,
            PaymentTable& payments, const QDate& today, const TuitionRates& rates,
            CompletedWeek* completed = nullptr);

} // namespace WeekCheck
