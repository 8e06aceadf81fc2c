#include "tuition/view/WeeklyPaymentDialog.h"

#include "widgets/DatePicker.h"
#include "widgets/DialogParts.h"
#include "records/ChildRecords.h"
#include "records/RecordsSchema.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

int PaidByWidth()
{
    const auto* field = RecordsSchema::Table(RecordsSchema::kChildPayment)
                            .Field(QStringLiteral("PaidBy"));
    return field ? field->size : 0;
}

// Nine digits always fit the whole number the discount is kept as.
constexpr int kDiscountDigits = 9;

} // namespace

WeeklyPaymentDialog::WeeklyPaymentDialog(const PaymentEntry& entry, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Child Tuition Enter"));
    auto* form = new QFormLayout;

    m_pbp = AddLineEdit(*form, QStringLiteral("PBP(Pay By Parent):"), QStringLiteral("pbp"),
                        WeeklyPayments::Amount(entry.pbp));
    m_pbp->setToolTip(QStringLiteral("What the parents paid for the week"));

    m_paidDate = new DatePicker(entry.paidDate);
    m_paidDate->setObjectName(QStringLiteral("paidDate"));
    form->addRow(QStringLiteral("Date Paid:"), m_paidDate);

    m_paidBy = AddLineEdit(*form, QStringLiteral("Paid By:"), QStringLiteral("paidBy"),
                           entry.paidBy);
    m_paidBy->setMaxLength(PaidByWidth());
    m_paidBy->setToolTip(QStringLiteral("How it was paid: cash, cheque, card, ..."));

    m_extraHours = AddLineEdit(*form, QStringLiteral("Extra Hours:"),
                               QStringLiteral("extraHours"),
                               WeeklyPayments::Amount(entry.extraHours));
    m_extraHours->setToolTip(QStringLiteral("Hours beyond the enrolled days, charged at the "
                                            "extra hour rate"));

    m_discount = AddLineEdit(*form, QStringLiteral("Discount:"), QStringLiteral("discount"),
                             QString::number(entry.discount));
    m_discount->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d*")), m_discount));
    m_discount->setMaxLength(kDiscountDigits);
    m_discount->setToolTip(QStringLiteral("A whole amount taken off the week's fee"));

    QDialogButtonBox* buttons = FinishDialog(*this, form);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ok"));
    m_pbp->setFocus();
    m_pbp->selectAll();
}

void WeeklyPaymentDialog::accept()
{
    if (m_paidDate->TakeTypedOrSay())
        QDialog::accept();
}

PaymentEntry WeeklyPaymentDialog::Entry() const
{
    PaymentEntry entry;
    entry.pbp = ChildRecords::ParseAmount(m_pbp->text());
    entry.paidDate = m_paidDate->date();
    entry.paidBy = m_paidBy->text();
    entry.extraHours = ChildRecords::ParseAmount(m_extraHours->text());
    entry.discount = m_discount->text().toInt();
    return entry;
}
