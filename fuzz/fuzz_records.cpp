// The records file may be damaged, foreign, or written by another program: any file
// named WRN.mdb, and any value in any column of a sound one, must read without a crash.
#include "settings/ProgramState.h"
#include "platform/Clock.h"
#include "records/DailyRecordTable.h"
#include "records/PaymentTable.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "records/EnrollmentTable.h"
#include "records/DailyRecords.h"
#include "records/RecordsDatabase.h"
#include "tuition/StatementFigures.h"
#include "tuition/WeeklyPayments.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

QTemporaryDir* g_home = nullptr;

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckDate(const DbDate& date)
{
    Check(date.IsValid() == date.Date().isValid());
    Check(date.IsValid() || date.PlainText() == QLatin1String("-1--1--1"));
    Check(date.PaddedText().size() <= 16);
}

void ReadEverything()
{
    EnrollmentTable children;
    children.SelectChild(QStringLiteral("All"));
    for (children.MoveFirst(); !children.IsEOF(); children.MoveNext()) {
        CheckDate(children.m_Birthday);
        CheckDate(children.m_EnrollDate);
    }
    PaymentTable payments;
    const auto weeks = WeeklyPayments::ChildRows(payments, QStringLiteral("AAA"));
    const QDate today(2026, 12, 1);
    for (const WeeklyPayment& week : weeks) {
        CheckDate(week.weekStart);
        Check(WeeklyPayments::RowTexts(week).size() == 13);
        Check(WeeklyPayments::PaidDateOf(week.paidDate, today).isValid());
        WeeklyPayments::OfferedDiscount(week.discount);
    }
    const StatementFigures figures = TuitionStatement::Figures(weeks, 2026, 12);
    Check(figures.rows.size() <= weeks.size());
    TuitionStatement::Money(QStringLiteral("$"), figures.TotalDue());
    DailyRecordTable daily;
    const auto listed = DailyRecords::MonthRecords(daily, QStringLiteral("Amy"),
                                                   QDate(2026, 12, 1));
    for (const DailyRecord& record : listed)
        Check(record.date.month() == 12);
    daily.LastIndex();
    StaffTable staff;
    staff.SelectStaff(QStringLiteral("All"));
    TimeSheetTable sheets;
    sheets.SelectStaff(QStringLiteral("Dora"));
    for (sheets.MoveFirst(); !sheets.IsEOF(); sheets.MoveNext())
        Check(sheets.m_Day.size() == 31);
}

// Puts one value of the type the bytes choose into each column the statement names.
void InsertHostileRow(const QString& statement, const uint8_t* data, size_t size)
{
    QSqlQuery query(RecordsDatabase::Shared().Connection());
    query.prepare(statement);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int column = 0; column < 3; ++column) {
        const int kind = size > size_t(column) ? data[column] % 5 : 0;
        double number = 0;
        if (size >= 8 + size_t(column))
            memcpy(&number, data + column, sizeof number);
        switch (kind) {
        case 0: query.addBindValue(QVariant()); break;
        case 1: query.addBindValue(number); break;
        case 2: query.addBindValue(QString::fromUtf8(bytes)); break;
        case 3: query.addBindValue(bytes); break;
        default: query.addBindValue(qint64(number > -9e18 && number < 9e18 ? number : 0)); break;
        }
    }
    query.exec();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    g_home = new QTemporaryDir;
    Program().programDir = g_home->path();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    RecordsDatabase::Shared().Close();
    const QString path = RecordsDatabase::FilePath(Program().programDir);
    QFile::remove(path);
    QFile::remove(path + QLatin1String("-wal"));
    QFile::remove(path + QLatin1String("-shm"));
    try {
        if (data[0] % 2 == 0) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return 0;
            file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
            file.close();
        } else {
            EnsureRecordsDatabase();
            InsertHostileRow(QStringLiteral(
                                 "INSERT INTO ChildDailyRecord (\"Index\", \"Date\", "
                                 "ChildName, Pickup) VALUES (?, ?, 'Amy', ?)"),
                             data + 1, size - 1);
            InsertHostileRow(QStringLiteral(
                                 "INSERT INTO ChildPaymentInformation (WeekStart, ChildName, "
                                 "Discount, PaidDate, Debit) VALUES (?, 'Amy', ?, ?, 1)"),
                             data + 1, size - 1);
        }
        ReadEverything();
    } catch (const DatabaseError&) {
        // A file the engine refuses is reported to the user; that is the sound outcome.
    }
    Check(!ParsePaddedDate(QString::fromLatin1(reinterpret_cast<const char*>(data),
                                               qsizetype(size))).isValid()
          || size >= 5);
    return 0;
}
