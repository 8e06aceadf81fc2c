#include "RecordsTestKit.h"

RecordsTest::RecordsTest(RecordsEngine engine)
{
    if (engine == RecordsEngine::Server)
        m_server = std::make_unique<ServerRecords>();
}

RecordsTest::~RecordsTest()
{
    RecordsDatabase::Shared().Close();
}

void RecordsTest::SetUp()
{
    if (m_server && !m_server->SkipReason().isEmpty())
        GTEST_SKIP() << m_server->SkipReason().toStdString();
}

std::vector<QSqlRecord> RecordsTest::Inspect(const QString& sql, const QVariantList& values) const
{
    return QueryRecords(Location(), DatabaseFile(), sql, values);
}

int RecordsTest::CountRows(const char* table) const
{
    const auto rows = Inspect(QStringLiteral("SELECT count(*) FROM \"%1\"")
                                  .arg(QLatin1String(table)));
    return rows.empty() ? -1 : rows[0].value(0).toInt();
}
