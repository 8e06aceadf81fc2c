#include "RecordsTestKit.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

RecordsTest::~RecordsTest()
{
    CRecordsDatabase::Shared().Close();
}

QString RecordsTest::DatabaseFile() const
{
    return m_home.FilePath(QStringLiteral("WRN.mdb"));
}

void RecordsTest::CreateDatabase()
{
    CRecordsDatabase::Shared().Create(DatabaseFile());
}

std::vector<std::vector<QVariant>> RecordsTest::Inspect(const QString& sql) const
{
    std::vector<std::vector<QVariant>> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("inspect"));
        db.setDatabaseName(DatabaseFile());
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(sql)) << qPrintable(query.lastError().text());
        while (query.next()) {
            std::vector<QVariant> row;
            for (int i = 0; i < query.record().count(); ++i)
                row.push_back(query.value(i));
            rows.push_back(std::move(row));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("inspect"));
    return rows;
}

int RecordsTest::CountRows(const char* table) const
{
    const auto rows = Inspect(QStringLiteral("SELECT count(*) FROM \"%1\"")
                                  .arg(QLatin1String(table)));
    return rows.empty() ? -1 : rows[0][0].toInt();
}
