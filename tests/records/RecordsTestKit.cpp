#include "RecordsTestKit.h"

#include "support/DatabaseFile.h"

RecordsTest::~RecordsTest()
{
    RecordsDatabase::Shared().Close();
}

std::vector<QSqlRecord> RecordsTest::Inspect(const QString& sql) const
{
    return QueryDatabaseFile(DatabaseFile(), sql);
}

int RecordsTest::CountRows(const char* table) const
{
    const auto rows = Inspect(QStringLiteral("SELECT count(*) FROM \"%1\"")
                                  .arg(QLatin1String(table)));
    return rows.empty() ? -1 : rows[0].value(0).toInt();
}
