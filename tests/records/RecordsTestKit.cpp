#include "RecordsTestKit.h"

#include "support/DatabaseFile.h"

RecordsTest::~RecordsTest()
{
    RecordsDatabase::Shared().Close();
}

QString RecordsTest::DatabaseFile() const
{
    return m_home.FilePath(QStringLiteral("WRN.mdb"));
}

void RecordsTest::CreateDatabase()
{
    RecordsDatabase::Shared().Create(DatabaseFile());
}

std::vector<std::vector<QVariant>> RecordsTest::Inspect(const QString& sql) const
{
    std::vector<std::vector<QVariant>> rows;
    for (const QSqlRecord& record : QueryDatabaseFile(DatabaseFile(), sql)) {
        std::vector<QVariant> row;
        for (int i = 0; i < record.count(); ++i)
            row.push_back(record.value(i));
        rows.push_back(std::move(row));
    }
    return rows;
}

int RecordsTest::CountRows(const char* table) const
{
    const auto rows = Inspect(QStringLiteral("SELECT count(*) FROM \"%1\"")
                                  .arg(QLatin1String(table)));
    return rows.empty() ? -1 : rows[0][0].toInt();
}
