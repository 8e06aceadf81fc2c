#pragma once

#include "tuition/WeeklyPayments.h"

#include <QString>
#include <vector>

class PaymentTable;

// The sums of the rows a statement lists.
struct StatementTotals
{
    qint64 sessionDays = 0;
    double fee = 0;
    double charge = 0;
    double discount = 0;
    double pbg = 0;
    double pbp = 0;
    double debit = 0;
};

// What one child's statement for one month says.
struct StatementFigures
{
    std::vector<WeeklyPayment> rows;   // the weeks starting in the month, in table order
    StatementTotals totals;
    double debitOfMonth = 0;            // the total of the rows' debits
    double forward = 0;                 // the debits of every week starting earlier

    double TotalDue() const { return forward + debitOfMonth; }
};

namespace TuitionStatement {

// Whether a statement can be for the name: not empty, and not the class folder "AAA" nor
// the page materials' "ZZZ", which stand for no one child.
bool NamesAChild(const QString& name);

// The figures of the month from the rows; weeks starting after the month are left out.
StatementFigures Figures(const std::vector<WeeklyPayment>& rows, int year, int month);
// The same from the rows the set holds now, read from the first to the last.
StatementFigures Figures(PaymentTable& set, int year, int month);

// The currency symbol glued to the trimmed amount, as totals and the header show money.
QString Money(const QString& symbol, double value);

// "<child>_TuitionStatement_%2d_of_%4d.PNG"; the month is padded with a space.
QString FileName(const QString& childName, int month, int year);
// That file in the application folder's "temp" folder.
QString FilePath(const QString& programDir, const QString& childName, int month, int year);

} // namespace TuitionStatement
