#pragma once

#include "records/RecordsTestKit.h"
#include "tuition/WeeklyPayments.h"

#include <QDate>

class EnrollmentTable;

// A records folder with enrolled children and their weekly rows.
class TuitionTest : public RecordsTest
{
protected:
    TuitionTest();

    void Enroll(const QString& name, qint32 days, double dailyPbg);
    // A stored week of a child starting on `monday`, owing `debit`.
    void AddWeek(const QString& name, const QDate& monday, double debit);
    int PaymentRows() { return CountRows("ChildPaymentInformation"); }
};
