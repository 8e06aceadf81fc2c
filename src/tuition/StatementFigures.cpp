#include "tuition/StatementFigures.h"

#include "records/ChildRecords.h"
#include "records/PaymentTable.h"

#include <QDir>

namespace TuitionStatement {

namespace {

enum class Period { Earlier, Same, Later };

Period PeriodOf(const DbDate& weekStart, int year, int month)
{
    // A week start that names no date has year and month -1: an earlier month.
    const int rowYear = weekStart.Year(), rowMonth = weekStart.Month();
    if (rowYear == year && rowMonth == month)
        return Period::Same;
    if (rowYear < year || (rowYear == year && rowMonth < month))
        return Period::Earlier;
    return Period::Later;
}

void AddTo(StatementTotals& totals, const WeeklyPayment& row)
{
    totals.sessionDays += row.sessionDays;
    totals.fee += row.weeklyFee;
    totals.charge += row.extraCharge;
    totals.discount += row.discount;
    totals.pbg += row.weeklyPbg;
    totals.pbp += row.pbp;
    totals.debit += row.debit;
}

} // namespace

bool NamesAChild(const QString& name)
{
    return !name.isEmpty() && ChildRecords::IsChildFolderName(name);
}

StatementFigures Figures(const std::vector<WeeklyPayment>& rows, int year, int month)
{
    StatementFigures figures;
    for (const WeeklyPayment& row : rows) {
        switch (PeriodOf(row.weekStart, year, month)) {
        case Period::Same:
            figures.rows.push_back(row);
            AddTo(figures.totals, row);
            break;
        case Period::Earlier: figures.forward += row.debit; break;
        case Period::Later: break;
        }
    }
    figures.debitOfMonth = figures.totals.debit;
    return figures;
}

StatementFigures Figures(PaymentTable& set, int year, int month)
{
    std::vector<WeeklyPayment> rows;
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
        rows.push_back(WeeklyPayments::RowOf(set));
    return Figures(rows, year, month);
}

QString Money(const QString& symbol, double value)
{
    return symbol + WeeklyPayments::Amount(value).trimmed();
}

QString FileName(const QString& childName, int month, int year)
{
    return childName + QStringLiteral("_TuitionStatement")
         + QString::asprintf("_%2d_of_%4d", month, year) + QStringLiteral(".PNG");
}

QString FilePath(const QString& programDir, const QString& childName, int month, int year)
{
    return QDir(programDir).filePath(QStringLiteral("temp/") + FileName(childName, month, year));
}

} // namespace TuitionStatement
