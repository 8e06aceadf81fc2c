#include "records/RecordsDatabase.h"

#include "app/ProgramState.h"
#include "platform/Prompt.h"
#include "records/RecordsSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
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

// Reading the catalogue is also what tells a database from any other file.
void ReadCatalogue(QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        throw CDatabaseError(EngineText(query.lastError()));
}

// The affinity SQLite gives a column declared `declared`: 'I'nteger, 'T'ext, 'B'lob,
// 'R'eal or 'N'umeric.
char Affinity(const QString& declared)
{
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT")))
        return 'I';
    for (const char* text : {"CHAR", "CLOB", "TEXT"})
        if (type.contains(QLatin1String(text)))
            return 'T';
    if (type.isEmpty() || type.contains(QLatin1String("BLOB")))
        return 'B';
    for (const char* real : {"REAL", "FLOA", "DOUB"})
        if (type.contains(QLatin1String(real)))
            return 'R';
    return 'N';
}

// Whether a column so declared holds the field's values as they are written and read.
bool Holds(RecordsSchema::FieldType type, const QString& declared)
{
    const char affinity = Affinity(declared);
    if (type == RecordsSchema::FieldType::Text)
        return affinity == 'T';
    return affinity == 'I' || affinity == 'R' || affinity == 'N';
}

const char* KindOf(RecordsSchema::FieldType type)
{
    switch (type) {
    case RecordsSchema::FieldType::Text: return "text";
    case RecordsSchema::FieldType::Long: return "whole numbers";
    case RecordsSchema::FieldType::Double: return "numbers";
    case RecordsSchema::FieldType::Date: return "dates";
    }
    return "values";
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

void CRecordsDatabase::Open(const QString& path, Access access)
{
    if (IsOpen() && m_path == QFileInfo(path).absoluteFilePath()
        && (access == Access::Read || m_writable))
        return;
    if (!QFileInfo(path).isFile())
        throw CDatabaseError(QStringLiteral("The records file %1 does not exist.")
                                 .arg(QDir::toNativeSeparators(path)));
    if (m_transactionDepth > 0)
        throw CDatabaseError(QStringLiteral("The records file cannot change in the middle of "
                                            "a transaction."));
    OpenConnection(path, access);
}

void CRecordsDatabase::Create(const QString& path)
{
    if (QFileInfo::exists(path)) {
        Open(path, Access::Write);
        CheckTables();
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    OpenConnection(path, Access::Write);
    try {
        InTransaction([this] {
            QSqlDatabase db = Connection();
            for (const RecordsSchema::CTableDef& table : RecordsSchema::Tables())
                ExecText(db, RecordsSchema::CreateTableSql(table));
        });
        Upgrade();
    } catch (const CDatabaseError&) {
        // A file without its tables would pass the existence check from now on.
        Close();
        QFile::remove(path);
        throw;
    }
}

void CRecordsDatabase::Upgrade()
{
    Open(m_path, Access::Write);
    InTransaction([this] {
        QSqlDatabase db = Connection();
        for (const RecordsSchema::CTableDef& table : RecordsSchema::Tables())
            ExecText(db, RecordsSchema::CreateIndexSql(table));
    });
    QSqlQuery query(Connection());
    CRecordsDatabase::Prepare(query, QStringLiteral("PRAGMA journal_mode=WAL"));
    CRecordsDatabase::Exec(query);
}

void CRecordsDatabase::OpenConnection(QString path, Access access)
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
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        if (access == Access::Read)
            options += QLatin1String(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open()) {
            const QString message = EngineText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(kConnection);
            throw CDatabaseError(message);
        }
        m_path = QFileInfo(path).absoluteFilePath();
        m_writable = access == Access::Write;
    }
    try {
        QSqlDatabase db = Connection();
        ReadCatalogue(db);
    } catch (const CDatabaseError& error) {
        QString problem = error.Message();
        if (!problem.endsWith(QLatin1Char('.')))
            problem += QLatin1Char('.');
        const CDatabaseError unusable = Unusable(problem);
        Close();
        throw unusable;
    }
}

void CRecordsDatabase::Close()
{
    m_checkedTables.clear();
    m_writable = false;
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

CDatabaseError CRecordsDatabase::Unusable(const QString& problem) const
{
    return CDatabaseError(QStringLiteral("%1 is not a usable records database: %2")
                              .arg(QDir::toNativeSeparators(m_path), problem));
}

void CRecordsDatabase::CheckTable(const RecordsSchema::CTableDef& table)
{
    const QString name = QString::fromLatin1(table.name);
    if (m_checkedTables.contains(name))
        return;
    QSqlQuery query(Connection());
    query.setForwardOnly(true);
    Prepare(query, QStringLiteral("PRAGMA table_info(%1)").arg(RecordsSchema::Quoted(name)));
    Exec(query);
    // Column names are told apart without regard to case, as the engine does.
    QHash<QString, QString> declared;
    while (query.next())
        declared.insert(query.value(1).toString().toLower(), query.value(2).toString());
    if (declared.isEmpty())
        throw Unusable(QStringLiteral("it has no table %1.").arg(name));
    for (const RecordsSchema::CFieldDef& field : table.fields) {
        const QString column = QString::fromLatin1(field.name);
        const auto found = declared.constFind(column.toLower());
        if (found == declared.cend())
            throw Unusable(QStringLiteral("the table %1 has no column %2.").arg(name, column));
        if (!Holds(field.type, *found))
            throw Unusable(QStringLiteral("the column %2 of the table %1 is meant for %3 but "
                                          "is declared \"%4\".")
                               .arg(name, column, QLatin1String(KindOf(field.type)), *found));
    }
    m_checkedTables << name;
}

void CRecordsDatabase::CheckTables()
{
    for (const RecordsSchema::CTableDef& table : RecordsSchema::Tables())
        CheckTable(table);
}

void CRecordsDatabase::InTransaction(const std::function<void()>& work)
{
    // Inside a transaction already: the outer one commits or rolls back the whole.
    if (m_transactionDepth > 0) {
        work();
        return;
    }
    if (!IsOpen())
        throw CDatabaseError(QStringLiteral("The records database is not open."));
    Open(m_path, Access::Write);
    const auto run = [this](const char* sql) {
        QSqlQuery query(Connection());
        const bool done = query.exec(QLatin1String(sql));
        return done ? QString() : EngineText(query.lastError());
    };
    if (const QString refused = run("BEGIN IMMEDIATE"); !refused.isEmpty())
        throw CDatabaseError(refused);
    try {
        ++m_transactionDepth;
        work();
        --m_transactionDepth;
    } catch (...) {
        --m_transactionDepth;
        run("ROLLBACK");
        throw;
    }
    if (const QString refused = run("COMMIT"); !refused.isEmpty()) {
        run("ROLLBACK");
        throw CDatabaseError(refused);
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
    CRecordsDatabase& database = CRecordsDatabase::Shared();
    database.Create(path);
    database.Upgrade();
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
