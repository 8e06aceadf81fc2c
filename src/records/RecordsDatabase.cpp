#include "records/RecordsDatabase.h"

#include "settings/ProgramState.h"
#include "platform/UserPrompt.h"
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

// Runs a statement without binding: the server prepares no SET or CREATE.
void ExecText(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw DatabaseError(EngineText(query.lastError()));
}

const QString kTestConnection = QStringLiteral("tendrel-records-test");

void ExecAll(QSqlDatabase& db, const QStringList& statements)
{
    for (const QString& sql : statements)
        ExecText(db, sql);
}

SqlDialect DialectOf(const DatabaseLocation& location)
{
    return SqlDialect(location.IsServer() ? SqlDialect::Engine::PostgreSQL
                                          : SqlDialect::Engine::SQLite);
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

DatabaseError::DatabaseError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

RecordsDatabase& RecordsDatabase::Shared()
{
    static RecordsDatabase database;
    return database;
}

QString RecordsDatabase::FilePath(const QString& programDir)
{
    if (programDir.isEmpty())
        return {};
    return QDir(programDir).filePath(QStringLiteral("WRN.mdb"));
}

bool RecordsDatabase::Exists(const QString& programDir)
{
    RecordsDatabase& shared = Shared();
    if (shared.m_location.IsServer())
        return shared.ServerHoldsRecords();
    const QString path = FilePath(programDir);
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString RecordsDatabase::Name(const QString& programDir)
{
    if (Shared().m_location.IsServer())
        return Shared().m_location.Url();
    return QFileInfo(FilePath(programDir)).absoluteFilePath();
}

void RecordsDatabase::UseLocation(const DatabaseLocation& location)
{
    if (location == m_location)
        return;
    if (m_transactionDepth > 0)
        throw DatabaseError(QStringLiteral("The records cannot move in the middle of a "
                                           "transaction."));
    Close();
    m_location = location;
    m_dialect = DialectOf(location);
}

QString RecordsDatabase::TestConnection(const DatabaseLocation& location)
{
    const QString path = location.IsServer() ? QString() : QStringLiteral(":memory:");
    QString version;
    try {
        QSqlQuery query(Connect(kTestConnection, location, path, Access::Read));
        query.setForwardOnly(true);
        Prepare(query, DialectOf(location).VersionSql());
        Exec(query);
        version = query.next() ? query.value(0).toString() : QString();
    } catch (const DatabaseError&) {
        Disconnect(kTestConnection);
        throw;
    }
    Disconnect(kTestConnection);
    return version;
}

QString RecordsDatabase::UnreachableReason() const
{
    if (!m_location.IsServer())
        return {};
    try {
        TestConnection(m_location);
        return {};
    } catch (const DatabaseError& error) {
        return error.Message();
    }
}

void RecordsDatabase::Disconnect(const QString& name)
{
    if (!QSqlDatabase::contains(name))
        return;
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

QSqlDatabase RecordsDatabase::Connect(const QString& name, const DatabaseLocation& location,
                                      const QString& path, Access access)
{
    const SqlDialect dialect = DialectOf(location);
    QSqlDatabase db = QSqlDatabase::addDatabase(dialect.Driver(), name);
    if (location.IsServer()) {
        db.setHostName(location.Host());
        db.setPort(location.Port());
        db.setDatabaseName(location.Database());
        db.setUserName(location.User());
        db.setPassword(location.Password());
        // A server that does not answer is reported instead of hanging the program.
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    } else {
        db.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        if (access == Access::Read)
            options += QLatin1String(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
    }
    bool ready = db.open();
    QString message = ready ? QString() : EngineText(db.lastError());
    if (ready) {
        try {
            ExecAll(db, dialect.AfterOpenSql());
        } catch (const DatabaseError& error) {
            ready = false;
            message = error.Message();
        }
    }
    if (!ready) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        if (location.IsServer())
            message = QStringLiteral("The records server %1 cannot be reached: %2")
                          .arg(location.ShownText(), message);
        throw DatabaseError(message);
    }
    return db;
}

bool RecordsDatabase::ServerHoldsRecords()
{
    try {
        Open(QString());
        QSqlQuery query(Connection());
        query.setForwardOnly(true);
        Prepare(query, m_dialect.ColumnsSql());
        query.addBindValue(QString::fromLatin1(RecordsSchema::kChildEnrollment));
        Exec(query);
        return query.next();
    } catch (const DatabaseError&) {
        // A connection the server dropped (a restart) is made again on the next look.
        if (m_transactionDepth == 0)
            Close();
        return false;
    }
}

bool RecordsDatabase::IsOpen() const
{
    return !m_path.isEmpty() && Connection().isOpen();
}

QSqlDatabase RecordsDatabase::Connection() const
{
    return QSqlDatabase::database(kConnection, false);
}

void RecordsDatabase::Open(const QString& path, Access access)
{
    if (m_location.IsServer()) {
        if (!IsOpen())
            OpenServer();
        return;
    }
    if (IsOpen() && m_path == QFileInfo(path).absoluteFilePath()
        && (access == Access::Read || m_writable))
        return;
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("The records file %1 does not exist.")
                                 .arg(QDir::toNativeSeparators(path)));
    if (m_transactionDepth > 0)
        throw DatabaseError(QStringLiteral("The records file cannot change in the middle of "
                                            "a transaction."));
    OpenConnection(path, access);
}

void RecordsDatabase::Create(const QString& path)
{
    if (m_location.IsServer()) {
        Open(path, Access::Write);
        CreateMissingTables();
        Upgrade();
        CheckTables();
        return;
    }
    if (QFileInfo::exists(path)) {
        Open(path, Access::Write);
        CheckTables();
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    OpenConnection(path, Access::Write);
    try {
        CreateMissingTables();
        Upgrade();
    } catch (const DatabaseError&) {
        // A file without its tables would pass the existence check from now on.
        Close();
        QFile::remove(path);
        throw;
    }
}

void RecordsDatabase::CreateMissingTables()
{
    InTransaction([this] {
        QSqlDatabase db = Connection();
        for (const RecordsSchema::TableDef& table : RecordsSchema::Tables())
            ExecText(db, m_dialect.CreateTableSql(table));
    });
}

void RecordsDatabase::Upgrade()
{
    Open(m_path, Access::Write);
    InTransaction([this] {
        QSqlDatabase db = Connection();
        for (const RecordsSchema::TableDef& table : RecordsSchema::Tables())
            ExecText(db, RecordsSchema::CreateIndexSql(table));
    });
    AddWeekIndex();
    QSqlDatabase db = Connection();
    ExecAll(db, m_dialect.UpgradeSql());
}

void RecordsDatabase::AddWeekIndex()
{
    InTransaction([this] {
        QSqlDatabase db = Connection();
        // Rows made before the index, two for one child and week, are the center's
        // records: they stay, and the writer's lock alone keeps the week check from
        // adding more.
        QSqlQuery duplicates(db);
        duplicates.setForwardOnly(true);
        Prepare(duplicates, RecordsSchema::DuplicateWeeksSql());
        Exec(duplicates);
        if (!duplicates.next())
            ExecText(db, RecordsSchema::CreateWeekIndexSql());
    });
}

void RecordsDatabase::OpenServer()
{
    if (m_transactionDepth > 0)
        throw DatabaseError(QStringLiteral("The records cannot change in the middle of "
                                           "a transaction."));
    Close();
    Connect(kConnection, m_location, QString(), Access::Write);
    m_path = m_location.Url();
    m_writable = true;
}

void RecordsDatabase::OpenConnection(QString path, Access access)
{
    Close();
    // Qt's SQL drivers must be let go while the application object still exists.
    static const bool closesAtExit = [] {
        qAddPostRoutine([] { RecordsDatabase::Shared().Close(); });
        return true;
    }();
    Q_UNUSED(closesAtExit);
    Connect(kConnection, m_location, path, access);
    m_path = QFileInfo(path).absoluteFilePath();
    m_writable = access == Access::Write;
    try {
        // Reading the catalogue is also what tells a database from any other file.
        QSqlDatabase db = Connection();
        ExecText(db, m_dialect.ProbeSql());
    } catch (const DatabaseError& error) {
        QString problem = error.Message();
        if (!problem.endsWith(QLatin1Char('.')))
            problem += QLatin1Char('.');
        const DatabaseError unusable = Unusable(problem);
        Close();
        throw unusable;
    }
}

void RecordsDatabase::Close()
{
    m_checkedTables.clear();
    m_writable = false;
    Disconnect(kConnection);
    m_path.clear();
}

DatabaseError RecordsDatabase::Unusable(const QString& problem) const
{
    return DatabaseError(QStringLiteral("%1 is not a usable records database: %2")
                              .arg(QDir::toNativeSeparators(m_path), problem));
}

void RecordsDatabase::CheckTable(const RecordsSchema::TableDef& table)
{
    const QString name = QString::fromLatin1(table.name);
    if (m_checkedTables.contains(name))
        return;
    QSqlQuery query(Connection());
    query.setForwardOnly(true);
    Prepare(query, m_dialect.ColumnsSql());
    query.addBindValue(name);
    Exec(query);
    // Column names are told apart without regard to case, as SQLite does.
    QHash<QString, QString> declared;
    while (query.next())
        declared.insert(query.value(0).toString().toLower(), query.value(1).toString());
    if (declared.isEmpty())
        throw Unusable(QStringLiteral("it has no table %1.").arg(name));
    for (const RecordsSchema::FieldDef& field : table.fields) {
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

void RecordsDatabase::CheckTables()
{
    for (const RecordsSchema::TableDef& table : RecordsSchema::Tables())
        CheckTable(table);
}

void RecordsDatabase::InTransaction(const std::function<void()>& work)
{
    // Inside a transaction already: the outer one commits or rolls back the whole.
    if (m_transactionDepth > 0) {
        work();
        return;
    }
    if (!IsOpen())
        throw DatabaseError(QStringLiteral("The records database is not open."));
    Open(m_path, Access::Write);
    const auto run = [this](const QString& sql) {
        QSqlQuery query(Connection());
        const bool done = query.exec(sql);
        return done ? QString() : EngineText(query.lastError());
    };
    for (const QString& begin : m_dialect.BeginWriteSql()) {
        if (const QString refused = run(begin); !refused.isEmpty()) {
            run(QStringLiteral("ROLLBACK"));
            throw DatabaseError(refused);
        }
    }
    try {
        ++m_transactionDepth;
        work();
        --m_transactionDepth;
    } catch (...) {
        --m_transactionDepth;
        run(QStringLiteral("ROLLBACK"));
        throw;
    }
    if (const QString refused = run(QStringLiteral("COMMIT")); !refused.isEmpty()) {
        run(QStringLiteral("ROLLBACK"));
        throw DatabaseError(refused);
    }
}

void RecordsDatabase::Prepare(QSqlQuery& query, const QString& sql)
{
    if (!query.prepare(sql))
        throw DatabaseError(EngineText(query.lastError()));
}

void RecordsDatabase::Exec(QSqlQuery& query)
{
    if (!query.exec())
        throw DatabaseError(EngineText(query.lastError()));
}

bool RecordsDatabaseExists()
{
    return RecordsDatabase::Exists(Program().programDir);
}

void EnsureRecordsDatabase()
{
    const QString path = RecordsDatabase::FilePath(Program().programDir);
    if (path.isEmpty() && !RecordsDatabase::Shared().Location().IsServer())
        throw DatabaseError(QStringLiteral("There is no application folder for the records."));
    RecordsDatabase& database = RecordsDatabase::Shared();
    database.Create(path);
    database.Upgrade();
}

namespace {

std::function<void()>& ServerErrorListener()
{
    static std::function<void()> listener;
    return listener;
}

} // namespace

void SetRecordsServerErrorListener(std::function<void()> listener)
{
    ServerErrorListener() = std::move(listener);
}

bool ReportDatabaseErrors(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const DatabaseError& error) {
        Prompt().Error(error.Message());
        RecordsDatabase& records = RecordsDatabase::Shared();
        if (records.Location().IsServer()) {
            // A connection the server dropped stays broken; the next command makes a new one.
            if (!records.IsInTransaction())
                records.Close();
            if (ServerErrorListener())
                ServerErrorListener()();
        }
        return false;
    }
}
