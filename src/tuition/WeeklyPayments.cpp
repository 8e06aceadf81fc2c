#include "tuition/WeeklyPayments.h"

#include "settings/ProgramSettings.h"
#include "records/PaymentTable.h"
#include "records/EnrollmentTable.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsSchema.h"

#include <algorithm>
#include <cmath>
#include <limits>

double WeeklyPayment::ComputedDebit() const
{
    return weeklyFee + extraCharge - discount - weeklyPbg - pbp;
}

namespace WeeklyPayments {

QString Amount(double value)
{
    return QString::asprintf("%8.2f", value);
}

WeeklyPayment RowOf(const PaymentTable& set)
{
    WeeklyPayment payment;
    payment.weekStart = set.m_WeekStart;
    payment.weekEnd = set.m_WeekEnd;
    payment.childName = set.m_ChildName;
    payment.sessionDays = set.m_SessionDays;
    payment.weeklyFee = set.m_WeeklyFee;
    payment.extraHours = set.m_ExtraHours;
    payment.extraCharge = set.m_ExtraCharge;
    payment.discount = set.m_Discount;
    payment.weeklyPbg = set.m_PayFromGovernment;
    payment.pbp = set.m_PayFromParent;
    payment.paidDate = set.m_PaidDate;
    payment.paidBy = set.m_PaidBy;
    payment.debit = set.m_Debit;
    payment.balance = set.m_Balance;
    // The list never shows the note.
    payment.rowId = set.CurrentRowId();
    return payment;
}

namespace {

// The columns an entry changes; balance and note are always written 0 and empty.
void WriteEntry(PaymentTable& set, const WeeklyPayment& payment)
{
    set.m_ExtraHours = payment.extraHours;
    set.m_ExtraCharge = payment.extraCharge;
    set.m_Discount = payment.discount;
    set.m_PaidDate = payment.paidDate;
    set.m_PayFromGovernment = payment.weeklyPbg;
    set.m_PayFromParent = payment.pbp;
    set.m_PaidBy = payment.paidBy;
    set.m_Debit = payment.debit;
    set.m_Balance = 0;
    set.m_Note.clear();
}

// Adds the row unless the child has one of that week already; whether it was added.
bool WriteNewRow(PaymentTable& set, const WeeklyPayment& payment)
{
    set.AddNew();
    set.m_ChildName = payment.childName;
    set.m_WeekStart = payment.weekStart;
    set.m_WeekEnd = payment.weekEnd;
    set.m_SessionDays = payment.sessionDays;
    set.m_WeeklyFee = payment.weeklyFee;
    WriteEntry(set, payment);
    return set.UpdateUnlessPresent();
}

// Adding needs none of the table's rows in memory.
void OpenToAddIfNeeded(PaymentTable& set)
{
    if (!set.IsOpen())
        set.OpenToAdd();
}

// Positions the set on the child's row of the week, the one with the row id unless it
// is 0; false when there is none.
bool MoveToWeek(PaymentTable& set, const QString& childName,
                const QString& weekStartText, const QString& weekEndText, qint64 rowId)
{
    // Selecting opens the set on the child's rows alone.
    set.SelectChild(childName);
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
        if (ShownDate(set.m_WeekStart) == weekStartText
            && ShownDate(set.m_WeekEnd) == weekEndText
            && (rowId == 0 || set.CurrentRowId() == rowId))
            return true;
    }
    return false;
}

// Leading spaces, then an optional sign and digits, as a whole number; 0 without digits.
int WholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    const auto isSign = [](QChar c) { return c == QLatin1Char('-') || c == QLatin1Char('+'); };
    if (end < trimmed.size() && isSign(trimmed[end]))
        ++end;
    while (end < trimmed.size() && trimmed[end].isDigit() && end < 10)
        ++end;
    return trimmed.left(end).toInt();
}

} // namespace

int NameWidth()
{
    const auto* field = RecordsSchema::Table(RecordsSchema::kChildPayment)
                            .Field(QStringLiteral("ChildName"));
    return field ? field->size : 0;
}

double DailyRate(qint32 sessionDays, const TuitionRates& rates)
{
    return sessionDays == 5 ? rates.fullTime : rates.partTime;
}

WeeklyPayment NewWeek(const EnrollmentTable& enrollment, const TuitionWeek& week,
                       const TuitionRates& rates)
{
    WeeklyPayment payment;
    payment.childName = enrollment.m_ChildName;
    payment.sessionDays = enrollment.m_EnrollType;
    payment.weekStart = DbDate::FromDate(week.start);
    payment.weekEnd = DbDate::FromDate(week.end);
    payment.weeklyPbg = enrollment.m_PayFromGovernment * payment.sessionDays;
    payment.weeklyFee = payment.sessionDays * DailyRate(payment.sessionDays, rates);
    payment.debit = payment.ComputedDebit();
    return payment;
}

WeeklyPayment Entered(WeeklyPayment row, const PaymentEntry& entry,
                       const TuitionRates& rates)
{
    row.pbp = entry.pbp;
    row.extraHours = entry.extraHours;
    row.extraCharge = entry.extraHours * rates.extraHour;
    row.discount = entry.discount;
    row.paidBy = entry.paidBy;
    row.paidDate = DbDate::FromDate(entry.paidDate).PaddedText();
    row.debit = row.ComputedDebit();
    row.balance = 0;
    row.note.clear();
    return row;
}

QDate PaidDateOf(const QString& text, const QDate& today)
{
    if (text.isEmpty())
        return today;
    const qsizetype hyphen = text.indexOf(QLatin1Char('-'));
    const int year = WholeNumber(text.left(4));
    const int month = hyphen >= 0 ? WholeNumber(text.mid(hyphen + 1, 2)) : 0;
    const int day = WholeNumber(text.right(2));
    const QDate date(year, month, day);
    // A text someone typed into the table by hand may name no date at all.
    return date.isValid() ? date : today;
}

int OfferedDiscount(double discount)
{
    if (!std::isfinite(discount))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return int(std::trunc(std::clamp(discount, lowest, highest)));
}

QStringList RowTexts(const WeeklyPayment& payment)
{
    return {ShownDate(payment.weekStart),
            ShownDate(payment.weekEnd),
            payment.childName,
            QString::number(payment.sessionDays),
            Amount(payment.weeklyFee),
            Amount(payment.extraHours),
            Amount(payment.extraCharge),
            Amount(payment.discount),
            Amount(payment.weeklyPbg),
            Amount(payment.pbp),
            ShownDateText(payment.paidDate),
            payment.paidBy,
            Amount(payment.debit)};
}

std::vector<WeeklyPayment> ChildRows(PaymentTable& set, const QString& folderName)
{
    std::vector<WeeklyPayment> rows;
    set.SelectChild(folderName);
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
        rows.push_back(RowOf(set));
    return rows;
}

std::vector<WeeklyPayment> MonthRows(PaymentTable& set, const QString& folderName,
                                      int year, int month)
{
    std::vector<WeeklyPayment> rows = ChildRows(set, folderName);
    std::erase_if(rows, [&](const WeeklyPayment& row) {
        return row.weekStart.Year() != year || row.weekStart.Month() != month;
    });
    return rows;
}

qint64 AddRow(PaymentTable& set, const WeeklyPayment& payment)
{
    OpenToAddIfNeeded(set);
    if (!WriteNewRow(set, payment)) {
        set.Close();
        throw DatabaseError(QStringLiteral("%1 has a row for the week starting %2 already; "
                                           "nothing was added.")
                                .arg(payment.childName, ShownDate(payment.weekStart)));
    }
    // The set shows the row it added last.
    set.MoveLast();
    const qint64 rowId = set.CurrentRowId();
    set.Close();
    return rowId;
}

bool UpdateRow(PaymentTable& set, const WeeklyPayment& payment,
               const QString& weekStartText, const QString& weekEndText,
               const QStringList& shownTexts)
{
    const bool found =
        MoveToWeek(set, payment.childName, weekStartText, weekEndText, payment.rowId);
    if (found && !shownTexts.isEmpty() && RowTexts(RowOf(set)) != shownTexts) {
        set.Close();
        throw Recordset::ChangedElsewhere();
    }
    if (found) {
        set.Edit();
        WriteEntry(set, payment);
        set.Update();
    }
    set.Close();
    return found;
}

bool DeleteRow(PaymentTable& set, const QString& childName,
               const QString& weekStartText, const QString& weekEndText, qint64 rowId)
{
    const bool found = MoveToWeek(set, childName, weekStartText, weekEndText, rowId);
    if (found)
        set.Delete();
    set.Close();
    return found;
}

Generation GenerateWeek(EnrollmentTable& enrollment, PaymentTable& payments,
                         const TuitionWeek& week, const TuitionRates& rates)
{
    if (!week.IsStorable())
        throw DatabaseError(QStringLiteral("The records cannot hold the week %1.")
                                 .arg(week.ShownText()));
    Generation generation;
    OpenToAddIfNeeded(payments);
    try {
        // The write lock is taken before anything is read: a second check, in this or
        // another process, waits and then finds the rows made here.
        RecordsDatabase::Shared().InTransaction([&] {
            generation = {};
            QSet<QString> charged = payments.ChildrenWithWeekStarting(week.start, week.end);
            enrollment.SelectChild(QString());
            for (enrollment.MoveFirst(); !enrollment.IsEOF(); enrollment.MoveNext()) {
                const QString& name = enrollment.m_ChildName;
                if (charged.contains(name)) {
                    ++generation.charged;
                } else if (name.size() > NameWidth()) {
                    // The enrollment table holds longer names than the payment table.
                    generation.skipped << name;
                } else {
                    // Another seat may have made it since the names were read.
                    if (WriteNewRow(payments, NewWeek(enrollment, week, rates)))
                        ++generation.added;
                    else
                        ++generation.charged;
                    charged.insert(name);
                }
            }
        });
    } catch (const DatabaseError&) {
        // The set would still list the rows the rollback took back.
        payments.Close();
        throw;
    }
    payments.Close();
    return generation;
}

bool AddCurrentWeek(EnrollmentTable& enrollment, PaymentTable& payments,
                    const QString& childName, const QDate& today, const TuitionRates& rates,
                    WeeklyPayment* added)
{
    enrollment.SelectChild(childName);
    enrollment.MoveFirst();
    if (enrollment.IsEOF())
        return false;
    WeeklyPayment payment = NewWeek(enrollment, TuitionWeek::Holding(today), rates);
    payment.rowId = AddRow(payments, payment);
    if (added)
        *added = payment;
    return true;
}

} // namespace WeeklyPayments
