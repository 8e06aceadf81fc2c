#pragma once

#include "records/RecordsTestKit.h"
#include "support/EnrolledChildren.h"
#include "tuition/WeeklyPayments.h"

#include <QDate>

// A records folder with enrolled children and their weekly rows.
class TuitionTest : public RecordsTest
{
protected:
    TuitionTest() { EnsureRecordsDatabase(); }

    // A stored week of a child starting on `monday`, owing `debit`.
    void AddWeek(const QString& name, const QDate& monday, double debit);
    int PaymentRows() { return CountRows("ChildPaymentInformation"); }
};
