#pragma once

#include "tuition/WeeklyPayments.h"

#include <QDate>
#include <QString>

// An unpaid week of a child from Monday to Sunday, for a test to fill in further.
WeeklyPayment TuitionWeekOf(const QString& name, const QDate& monday, qint32 sessionDays,
                             double weeklyFee);
// Stores it in the program's database; its row id.
qint64 StoreTuitionWeek(const WeeklyPayment& week);
// Stores a 3-day child's week starting on `monday` that owes `debit`; its row id.
qint64 StoreOwedWeek(const QString& name, const QDate& monday, double debit = 0,
                     const QString& paidBy = {});
