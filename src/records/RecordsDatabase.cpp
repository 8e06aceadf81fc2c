#include "records/RecordsDatabase.h"

#include "app/ProgramState.h"
#include "platform/Prompt.h"
#include "records/RecordsSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kConnection = QStringLiteral("tendrel-records");

QString EngineText(const QSqlError& error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("The records database reported an unknown error.")
                          : text;
}

void ExecText(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    CRecordsDatabase::Prepare(query, sql);
    CRecordsDatabase::Exec(query);
}

QStringList TableNames(QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Reading the catalogue is also what tells a database from any other file.
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        throw CDatabaseError(EngineText(query.lastError()));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

} // namespace

CDatabaseError::CDatabaseError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

CRecordsDatabase& CRecordsDatabase::Shared()
{
    static CRecordsDatabase database;
    return database;
}

QString CRecordsDatabase::FilePath(const QString& programDir)
{
    if (programDir.isEmpty())
        return {};
    return QDir(programDir).filePath(QStringLiteral("WRN.mdb"));
}

bool CRecordsDatabase::Exists(const QString& programDir)
{
    const QString path = FilePath(programDir);
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool CRecordsDatabase::IsOpen() const
{
    return !m_path.isEmpty() && Connection().isOpen();
}

QSqlDatabase CRecordsDatabase::Connection() const
{
    return QSqlDatabase::database(kConnection, false);
}

void CRecordsDatabase::Open(const QString& path)
{
    if (IsOpen() && m_path == QFileInfo(path).absoluteFilePath())
        return;
    if (!QFileInfo(path).isFile())
        throw CDatabaseError(QStringLiteral("The records file %1 does not exist.")
                                 .arg(QDir::toNativeSeparators(path)));
    OpenConnection(path);
}

void CRecordsDatabase::Create(const QString& path)
{
    if (QFileInfo::exists(path)) {
        Open(path);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    OpenConnection(path);
    try {
        InTransaction([this] {
            QSqlDatabase db = Connection();
            for (const RecordsSchema::CTableDef& table : RecordsSchema::Tables()) {
                ExecText(db, RecordsSchema::CreateTableSql(table));
                ExecText(db, RecordsSchema::CreateIndexSql(table));
            }
        });
    } catch (const CDatabaseError&) {
        // A file without its tables would pass the existence check from now on.
        Close();
        QFile::remove(path);
        throw;
    }
}

void CRecordsDatabase::OpenConnection(const QString& path)
{
    Close();
    // Qt's SQL drivers must be let go while the application object still exists.
    static const bool closesAtExit = [] {
        qAddPostRoutine([] { CRecordsDatabase::Shared().Close(); });
        return true;
    }();
    Q_UNUSED(closesAtExit);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QString message = EngineText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(kConnection);
            throw CDatabaseError(message);
        }
        m_path = QFileInfo(path).absoluteFilePath();
    }
    try {
        QSqlDatabase db = Connection();
        const QStringList tables = TableNames(db);
        // A write-ahead log keeps the file whole when the program stops mid-write.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        for (const RecordsSchema::CTableDef& table : RecordsSchema::Tables()) {
            // Files made before the name index existed get it now; a read-only file
            // simply goes without.
            if (tables.contains(QLatin1String(table.name)))
                QSqlQuery(db).exec(RecordsSchema::CreateIndexSql(table));
        }
    } catch (const CDatabaseError&) {
        Close();
        throw;
    }
}

void CRecordsDatabase::Close()
{
    if (!QSqlDatabase::contains(kConnection)) {
        m_path.clear();
        return;
    }
    {
        QSqlDatabase db = Connection();
        db.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
    m_path.clear();
}

void CRecordsDatabase::InTransaction(const std::function<void()>& work)
{
    // Inside a transaction already: the outer one commits or rolls back the whole.
    if (m_transactionDepth > 0) {
        work();
        return;
    }
    QSqlDatabase db = Connection();
    if (!db.transaction())
        throw CDatabaseError(EngineText(db.lastError()));
    try {
        ++m_transactionDepth;
        work();
        --m_transactionDepth;
    } catch (...) {
        --m_transactionDepth;
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString message = EngineText(db.lastError());
        db.rollback();
        throw CDatabaseError(message);
    }
}

void CRecordsDatabase::Prepare(QSqlQuery& query, const QString& sql)
{
    if (!query.prepare(sql))
        throw CDatabaseError(EngineText(query.lastError()));
}

void CRecordsDatabase::Exec(QSqlQuery& query)
{
    if (!query.exec())
        throw CDatabaseError(EngineText(query.lastError()));
}

bool RecordsDatabaseExists()
{
    return CRecordsDatabase::Exists(Program().programDir);
}

void EnsureRecordsDatabase()
{
    const QString path = CRecordsDatabase::FilePath(Program().programDir);
    if (path.isEmpty())
        throw CDatabaseError(QStringLiteral("There is no application folder for the records."));
    CRecordsDatabase::Shared().Create(path);
}

bool ReportDatabaseErrors(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const CDatabaseError& error) {
        Prompt().Error(error.Message());
        return false;
    }
}
