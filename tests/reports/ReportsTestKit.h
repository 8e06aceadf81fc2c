#pragma once

#include "staff/TimeSheet.h"
#include "tuition/WeeklyPayments.h"

#include <QDate>
#include <QImage>
#include <QRectF>
#include <QStringList>
#include <map>

class MonthReport;

// Records for reports, written through the program's own recordsets into the present
// application folder.
namespace ReportsKit {

// "Child 01", "Child 02", ... enrolled in that order, each with the address
// "child01@example.org" and so on. Their names.
QStringList EnrollNumbered(int count);

// A stored week of a child starting on `monday`.
struct Week
{
    QDate monday;
    double fee = 0;
    double charge = 0;
    double discount = 0;
    double pbg = 0;
    double pbp = 0;
    double debit = 0;
};
void StoreWeeks(const QString& child, std::initializer_list<Week> weeks);

// A staff member with the month's days as given (day of the month to its state) and
// every other day "T".
void Hire(const QString& name, const QString& email, TimeSheet::YearMonth month,
          const std::map<int, const char*>& days);

// The colour in the middle of a day's cell, below its number and beside its label, of
// the calendar in place `slot` of a staff page drawn as `picture` (page 0).
QColor DayColor(const QImage& picture, int slot, TimeSheet::YearMonth month, int day);

} // namespace ReportsKit
