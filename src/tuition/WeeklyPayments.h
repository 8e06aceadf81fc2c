#pragma once

#include "records/DbDate.h"
#include "tuition/TuitionWeek.h"

#include <QString>
#include <QStringList>
#include <vector>

class PaymentTable;
class EnrollmentTable;
struct TuitionRates;

// One week of one child's tuition, as a row of the payment table holds it.
struct WeeklyPayment
{
    DbDate weekStart;
    DbDate weekEnd;
    QString childName;
    qint32 sessionDays = 0;   // days a week the child was enrolled for when the row was made
    double weeklyFee = 0;
    double extraHours = 0;
    double extraCharge = 0;
    double discount = 0;
    double weeklyPbg = 0;     // paid by government
    double pbp = 0;           // paid by parent
    QString paidDate;         // stored "%4d-%2d-%2d", empty until paid
    QString paidBy;
    double debit = 0;
    double balance = 0;
    QString note;
    // The table row it was read from or written to; 0 when not known. Two rows of one
    // child's week are told apart by it.
    qint64 rowId = 0;

    // What is still owed for the week; negative when the parents paid more. Never rounded.
    double ComputedDebit() const;

    bool operator==(const WeeklyPayment&) const = default;
};

// What the "Child Tuition Enter" dialog gives back.
struct PaymentEntry
{
    QDate paidDate;
    double pbp = 0;
    double extraHours = 0;
    int discount = 0;
    QString paidBy;
};

namespace WeeklyPayments {

// The daily fee for a number of session days: full time for 5, part time otherwise.
double DailyRate(qint32 sessionDays, const TuitionRates& rates);

// A new, unpaid week for the child at the enrollment set's current row.
WeeklyPayment NewWeek(const EnrollmentTable& enrollment, const TuitionWeek& week,
                       const TuitionRates& rates);

// The row as it stands after an entry: extra charge and debit worked out again; the fee,
// session days and weekly PBG stay.
WeeklyPayment Entered(WeeklyPayment row, const PaymentEntry& entry,
                       const TuitionRates& rates);

// The date a "Date Paid" text names: year from its first 4 characters, month from the 2
// after the first hyphen, day from its last 2; an empty text, or one naming no date, is
// `today`.
QDate PaidDateOf(const QString& text, const QDate& today);
// A stored discount as the dialog offers it: truncated toward zero.
int OfferedDiscount(double discount);

// "%8.2f", as the list and the statement's rows show amounts.
QString Amount(double value);
// The set's current row.
WeeklyPayment RowOf(const PaymentTable& set);

// The list row texts, column by column (13 columns); dates as ShownDate gives them.
QStringList RowTexts(const WeeklyPayment& payment);

// The rows the folder's name selects (the class folder "AAA" selects every child's), in
// table order.
std::vector<WeeklyPayment> ChildRows(PaymentTable& set, const QString& folderName);
// Those of them whose week starts in `month` of `year`.
std::vector<WeeklyPayment> MonthRows(PaymentTable& set, const QString& folderName,
                                      int year, int month);

// The most characters a payment row's child name holds.
int NameWidth();

// Stores a new row and returns its row id; the set is closed afterwards. A child has
// one row of a week: a second is refused (DatabaseError).
qint64 AddRow(PaymentTable& set, const WeeklyPayment& payment);
// Writes an entry's values into the child's row of the week the two texts name (as
// ShownDate gives them), the one with the payment's row id when it has one; false when there
// is no such row. With `shownTexts` (the row's RowTexts as the list showed them) a row
// that another seat changed since is left as it is (DatabaseError saying so).
bool UpdateRow(PaymentTable& set, const WeeklyPayment& payment,
               const QString& weekStartText, const QString& weekEndText,
               const QStringList& shownTexts = {});
// Deletes the child's row of that week (with that row id, unless it is 0); false when
// there is none.
bool DeleteRow(PaymentTable& set, const QString& childName,
               const QString& weekStartText, const QString& weekEndText, qint64 rowId = 0);

// The result of making a week's rows.
struct Generation
{
    int added = 0;
    // Enrolled children who had a row of the week already.
    int charged = 0;
    // Children whose name is longer than the payment table's name column.
    QStringList skipped;
};

// One unpaid row of the week for every enrolled child who has none yet, in enrollment
// order, all in one write transaction that holds the file's write lock from before the
// rows are looked at: checks run at once, in any processes, charge each child once. An
// engine error leaves no row of the week written; a week the records cannot hold is
// refused with DatabaseError.
Generation GenerateWeek(EnrollmentTable& enrollment, PaymentTable& payments,
                         const TuitionWeek& week, const TuitionRates& rates);

// Adds a row for the current week of one child (the Add command); false when the child
// has no enrollment row.
bool AddCurrentWeek(EnrollmentTable& enrollment, PaymentTable& payments,
                    const QString& childName, const QDate& today, const TuitionRates& rates,
                    WeeklyPayment* added = nullptr);

} // namespace WeeklyPayments
