#pragma once

#include "tuition/WeeklyPayments.h"

#include <QDialog>

class CDatePicker;
class QLineEdit;

// "Child Tuition Enter": what the parents paid for one week, when and how, the extra
// hours and a whole-number discount. Text that is not a number counts as 0.
class CChildPaymentEnterDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CChildPaymentEnterDlg(const CPaymentEntry& entry, QWidget* parent = nullptr);

    // The entry as the dialog shows it now.
    CPaymentEntry Entry() const;

    // OK takes a paid date still being typed, or says why it cannot.
    void accept() override;

private:
    QLineEdit* m_pbp = nullptr;
    CDatePicker* m_paidDate = nullptr;
    QLineEdit* m_paidBy = nullptr;
    QLineEdit* m_extraHours = nullptr;
    QLineEdit* m_discount = nullptr;
};
