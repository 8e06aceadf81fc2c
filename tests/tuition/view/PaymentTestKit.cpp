#include "PaymentTestKit.h"

#include "platform/Clock.h"
#include "records/RecordsDatabase.h"
#include "support/DatabaseFile.h"
#include "support/TuitionWeeks.h"

PaymentListTest::PaymentListTest()
{
    Clock::SetNow(QDateTime(kToday, QTime(9, 30), Qt::UTC));
    EnsureRecordsDatabase();
}

PaymentListTest::~PaymentListTest()
{
    RecordsDatabase::Shared().Close();
}

void PaymentListTest::StoreWeek(const QString& name, const QDate& monday)
{
    WeeklyPayment week = TuitionWeekOf(name, monday, 3, 208.98);
    week.weeklyPbg = 30;
    week.debit = week.ComputedDebit();
    StoreTuitionWeek(week);
}

std::vector<QSqlRecord> PaymentListTest::StoredRows() const
{
    return QueryDatabaseFile(DatabaseFile(), QStringLiteral(
        "SELECT rowid, * FROM ChildPaymentInformation ORDER BY rowid"));
}

QStringList PaymentListTest::RowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < WeeklyPaymentList::ColumnCount; ++column)
        texts << m_view.topLevelItem(row)->text(column);
    return texts;
}
