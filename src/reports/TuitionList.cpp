#include "reports/TuitionList.h"

#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "tuition/StatementFigures.h"
#include "tuition/WeeklyPayments.h"

#include <QHash>

namespace TuitionList {

QStringList Headings()
{
    return {QStringLiteral("Child Name"),         QStringLiteral("Session Days"),
            QStringLiteral("Weekly fee"),         QStringLiteral("Month Charge"),
            QStringLiteral("Forward from Previous"), QStringLiteral("Extra Charges"),
            QStringLiteral("Discount"),           QStringLiteral("Paid by Government"),
            QStringLiteral("Paid by Parents"),    QStringLiteral("Debit")};
}

TuitionListRow RowOf(const QString& child, const StatementFigures& figures)
{
    const StatementTotals& totals = figures.totals;
    TuitionListRow row;
    row.child = child;
    row.sessionDays = totals.sessionDays;
    row.weeklyFee = figures.rows.empty() ? 0.0 : figures.rows.back().weeklyFee;
    row.monthCharge = totals.fee;
    row.forward = figures.forward;
    row.extraCharges = totals.charge;
    row.discount = totals.discount;
    row.paidByGovernment = totals.pbg;
    row.paidByParents = totals.pbp;
    row.debit = row.extraCharges + row.monthCharge + row.forward - row.discount
              - row.paidByGovernment - row.paidByParents;
    return row;
}

QStringList Texts(const TuitionListRow& row, const QString& currencySymbol)
{
    QStringList texts{row.child, QString::number(row.sessionDays)};
    for (const double amount : {row.weeklyFee, row.monthCharge, row.forward, row.extraCharges,
                                row.discount, row.paidByGovernment, row.paidByParents, row.debit})
        texts << currencySymbol + WeeklyPayments::Amount(amount).trimmed();
    return texts;
}

std::vector<TuitionListRow> Read(EnrollmentTable& enrollment, PaymentTable& payments,
                                 TimeSheet::YearMonth month, QStringList* addresses)
{
    // One pass over the payment table rather than a query per child: two hundred
    // children of ten years are a hundred thousand rows.
    QHash<QString, std::vector<WeeklyPayment>> rowsOfChild;
    payments.SelectChild(QString());
    for (payments.MoveFirst(); !payments.IsEOF(); payments.MoveNext())
        rowsOfChild[payments.m_ChildName].push_back(WeeklyPayments::RowOf(payments));

    std::vector<TuitionListRow> list;
    enrollment.SelectChild(QString());
    for (enrollment.MoveFirst(); !enrollment.IsEOF(); enrollment.MoveNext()) {
        const QString& name = enrollment.m_ChildName;
        const StatementFigures figures =
            TuitionStatement::Figures(rowsOfChild.value(name), month.year, month.month);
        list.push_back(RowOf(name, figures));
        if (addresses)
            addresses->append(enrollment.m_Email);
    }
    return list;
}

} // namespace TuitionList
