#include "PaymentTestKit.h"

#include "platform/Clock.h"
#include "records/RecordsDatabase.h"
#include "support/DatabaseFile.h"

PaymentListTest::PaymentListTest()
{
    Clock::SetNow(QDateTime(kToday, QTime(9, 30), Qt::UTC));
    EnsureRecordsDatabase();
}

PaymentListTest::~PaymentListTest()
{
    RecordsDatabase::Shared().Close();
}

std::vector<QSqlRecord> PaymentListTest::StoredRows() const
{
    return QueryDatabaseFile(DatabaseFile(), QStringLiteral(
        "SELECT rowid, * FROM ChildPaymentInformation ORDER BY rowid"));
}
