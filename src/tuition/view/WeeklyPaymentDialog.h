#pragma once

#include "tuition/WeeklyPayments.h"

#include <QDialog>

class DatePicker;
class QLineEdit;

// "Child Tuition Enter": what the parents paid for one week, when and how, the extra
// hours and a whole-number discount. Text that is not a number counts as 0.
class WeeklyPaymentDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WeeklyPaymentDialog(const PaymentEntry& entry, QWidget* parent = nullptr);

    // The entry as the dialog shows it now.
    PaymentEntry Entry() const;

    // OK takes a paid date still being typed, or says why it cannot.
    void accept() override;

private:
    QLineEdit* m_pbp = nullptr;
    DatePicker* m_paidDate = nullptr;
    QLineEdit* m_paidBy = nullptr;
    QLineEdit* m_extraHours = nullptr;
    QLineEdit* m_discount = nullptr;
};
