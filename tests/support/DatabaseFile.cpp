#include "support/DatabaseFile.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

std::vector<QSqlRecord> QueryDatabaseFile(const QString& path, const QString& sql,
                                          const QVariantList& values)
{
    const QString connection = QStringLiteral("test-reader");
    std::vector<QSqlRecord> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(sql);
            for (const QVariant& value : values)
                query.addBindValue(value);
            EXPECT_TRUE(query.exec()) << query.lastError().text().toStdString();
            while (query.next())
                rows.push_back(query.record());
        } else {
            ADD_FAILURE() << db.lastError().text().toStdString();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}
