#include "support/DatabaseFile.h"

#include "records/RecordsSchema.h"
#include "records/SqlDialect.h"
#include "support/RecordsEngines.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

std::vector<QSqlRecord> QueryDatabaseFile(const QString& path, const QString& sql,
                                          const QVariantList& values)
{
    return QueryRecords(DatabaseLocation(), path, sql, values);
}

QByteArray BytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

QString WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
    return path;
}

QString FileTableSql(const char* name)
{
    return SqlDialect(SqlDialect::Engine::SQLite).CreateTableSql(RecordsSchema::Table(name));
}

namespace {

QString TableSql(const char* name, bool everyColumnText = false)
{
    QString sql = FileTableSql(name);
    if (everyColumnText)
        sql.replace(QRegularExpression(QStringLiteral(" (INTEGER|REAL)")), QStringLiteral(" TEXT"));
    return sql;
}

const QString kEnrollAnn = QStringLiteral(
    "INSERT INTO ChildEnrollmentInformation (ChildName) VALUES ('Ann')");

} // namespace

const std::vector<BrokenDatabase>& BrokenDatabases()
{
    using RecordsSchema::kChildEnrollment;
    static const std::vector<BrokenDatabase> cases{
        {"zero-length", "has no table", QByteArray(), {}},
        {"garbage", "not a database", QByteArray(4096, 'x'), {}},
        {"without tables", "has no table", {}, {QStringLiteral("CREATE TABLE Other (a)")}},
        {"missing column", "has no column WeekEnd", {},
         {TableSql(kChildEnrollment), kEnrollAnn,
          QStringLiteral("CREATE TABLE ChildPaymentInformation (WeekStart REAL, ChildName TEXT)")}},
        {"wrongly typed", "WeekStart of the table ChildPaymentInformation is meant for dates", {},
         {TableSql(kChildEnrollment), kEnrollAnn,
          TableSql(RecordsSchema::kChildPayment, true),
          QStringLiteral("INSERT INTO ChildPaymentInformation (WeekStart, ChildName, Debit) "
                         "VALUES ('2024-03-04', 'Ann', '10')")}},
    };
    return cases;
}

const BrokenDatabase& BrokenDatabaseOfKind(const char* kind)
{
    for (const BrokenDatabase& broken : BrokenDatabases())
        if (qstrcmp(broken.kind, kind) == 0)
            return broken;
    throw std::logic_error(std::string("no broken database of kind ") + kind);
}

void WriteBrokenDatabase(const BrokenDatabase& broken, const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(broken.bytes);
    file.close();
    for (const QString& sql : broken.sql)
        QueryDatabaseFile(path, sql);
}

std::string BrokenDatabaseName(const ::testing::TestParamInfo<BrokenDatabase>& info)
{
    return QString::fromLatin1(info.param.kind)
        .remove(QLatin1Char(' ')).remove(QLatin1Char('-')).toStdString();
}

void PrintTo(const BrokenDatabase& broken, std::ostream* out)
{
    *out << broken.kind;
}
