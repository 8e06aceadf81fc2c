#pragma once

#include "staff/TimeSheet.h"

#include <QString>
#include <QStringList>
#include <vector>

class EnrollmentTable;
class PaymentTable;
struct StatementFigures;

// One enrolled child's month on the tuition list.
struct TuitionListRow
{
    QString child;
    qint64 sessionDays = 0;
    double weeklyFee = 0;       // the fee of the month's last week
    double monthCharge = 0;     // the weekly fees of the month
    double forward = 0;         // the debits of the earlier months
    double extraCharges = 0;
    double discount = 0;
    double paidByGovernment = 0;
    double paidByParents = 0;
    double debit = 0;

    bool operator==(const TuitionListRow&) const = default;
};

namespace TuitionList {

// The ten column headings, left to right.
QStringList Headings();

// The row of a child from the statement's figures of the same month.
TuitionListRow RowOf(const QString& child, const StatementFigures& figures);

// The ten cell texts: days as a whole number, money "%8.2f" after the currency symbol.
QStringList Texts(const TuitionListRow& row, const QString& currencySymbol);

// A row for every enrolled child, in the enrollment table's order, from one reading of
// the payment table. `addresses` (when given) gets every child's parents' address. An
// engine error throws DatabaseError.
std::vector<TuitionListRow> Read(EnrollmentTable& enrollment, PaymentTable& payments,
                                 TimeSheet::YearMonth month, QStringList* addresses = nullptr);

} // namespace TuitionList
