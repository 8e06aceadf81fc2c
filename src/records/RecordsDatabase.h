#pragma once

#include "records/DatabaseLocation.h"
#include "records/SqlDialect.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

class QSqlDatabase;
class QSqlQuery;
namespace RecordsSchema { struct TableDef; }

// An engine error or a refused value. It aborts the command that was running; the
// command's caller shows its text (ReportDatabaseErrors) and nothing of the row is written.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// A row that another seat changed or deleted after it was read: nothing was written.
class RowChangedError : public DatabaseError
{
public:
    using DatabaseError::DatabaseError;
};

// The one connection to the records, shared by every recordset, kept for the whole run.
// The records are the WRN.mdb file of the application folder, or a database on a
// server when the run was pointed at one (UseLocation). It opens on the first recordset
// that needs it and follows the file a recordset names (tests move the application
// folder between runs); on a server the file name is ignored. Reading opens a file
// read-only; the first write opens it again for writing. Only Create and Upgrade change
// the layout of the records.
class RecordsDatabase
{
public:
    enum class Access { Read, Write };

    static RecordsDatabase& Shared();

    // Where the records of this run are; this computer unless told otherwise. Closes
    // the connection when the location changes.
    void UseLocation(const DatabaseLocation& location);
    const DatabaseLocation& Location() const { return m_location; }
    const SqlDialect& Dialect() const { return m_dialect; }
    // Connects to `location` on a connection of its own and returns the engine's name
    // and version, e.g. "PostgreSQL 15.5 on x86_64-pc-linux-gnu, ...". Throws
    // DatabaseError with the reason (refused, unknown host, wrong password, ...).
    static QString TestConnection(const DatabaseLocation& location);

    // Why the run's server cannot be reached (the engine's words); empty when it can, or
    // when the records are on this computer. Tells "unreachable" from "no records yet".
    QString UnreachableReason() const;

    // The database file of an application folder: WRN.mdb in it; empty for an empty folder.
    static QString FilePath(const QString& programDir);
    // Whether the records are there: that file exists or, on a server, the server
    // answers and holds the records' tables.
    static bool Exists(const QString& programDir);
    // What the records of an application folder are, for telling runs apart: the file's
    // absolute path, or the server's address without its password.
    static QString Name(const QString& programDir);

    // Creates the file with the five tables in order (and the index on each name
    // column) and opens it for writing. An existing file is opened and left as it is
    // when it holds the five tables. On a server the tables are made where missing. Throws DatabaseError when the engine refuses or
    // the existing file is no usable records database.
    void Create(const QString& path);
    // Makes the tables that are missing in the open records, in one transaction.
    void CreateMissingTables();
    // Gives the open records what newer ones are made with: the index on each name
    // column, one weekly row per child and week start (unless older rows already hold
    // two, which are kept), and a write-ahead log, which keeps a file whole when the
    // program stops mid-write.
    void Upgrade();

    // Opens the file when another or none is open, or when it is open read-only and
    // `access` is Write. A missing file is not created: it throws DatabaseError, as
    // does a file the engine cannot read.
    void Open(const QString& path, Access access = Access::Read);
    void Close();
    bool IsOpen() const;
    bool IsWritable() const { return IsOpen() && m_writable; }
    bool IsInTransaction() const { return m_transactionDepth > 0; }
    QString Path() const { return m_path; }

    // Throws DatabaseError, naming what is wrong, when the open file has no such table
    // or a column of it is missing or declared for other values. Each table is looked at
    // once per opening.
    void CheckTable(const RecordsSchema::TableDef& table);
    // The same for all five tables.
    void CheckTables();

    // The open connection. Only valid after Open or Create.
    QSqlDatabase Connection() const;

    // Runs statements that write in one transaction: committed when `work` returns,
    // rolled back (and the error passed on) when it throws. Nested calls join the
    // outermost transaction. The transaction takes the file's write lock before `work`
    // reads anything, so what `work` finds cannot change until it commits; another
    // process waits for the lock (up to kBusyTimeoutMs) instead of failing.
    void InTransaction(const std::function<void()>& work);
    static constexpr int kBusyTimeoutMs = 15000;

    // A connection of its own, named `name`, to the server of `location` or else to the
    // file `path`; throws DatabaseError with the engine's text. Disconnect lets it go.
    static QSqlDatabase Connect(const QString& name, const DatabaseLocation& location,
                                const QString& path, Access access);
    static void Disconnect(const QString& name);

    // Prepares a statement; throws DatabaseError with the engine's text when refused.
    static void Prepare(QSqlQuery& query, const QString& sql);
    // Executes a prepared query; throws DatabaseError with the engine's text on failure.
    static void Exec(QSqlQuery& query);

private:
    RecordsDatabase() = default;
    // Takes the path by value: it may be m_path, which closing clears.
    void OpenConnection(QString path, Access access);
    void OpenServer();
    // Whether the open server database holds the records' tables.
    bool ServerHoldsRecords();
    void AddWeekIndex();
    // "<file> is not a usable records database: <problem>"
    DatabaseError Unusable(const QString& problem) const;

    DatabaseLocation m_location;
    SqlDialect m_dialect{SqlDialect::Engine::SQLite};
    QString m_path;
    bool m_writable = false;
    QStringList m_checkedTables;
    int m_transactionDepth = 0;
};

// The existence check of the program's own application folder (Program().programDir).
bool RecordsDatabaseExists();
// Creates the program's database when it is missing, as the first saved child does, or
// upgrades the one there: the desktop program owns the database of its folder.
void EnsureRecordsDatabase();

// Runs one command against the database. An engine error aborts it and is shown in a
// message box with the engine's text; returns false then. On a server the connection
// is made again for the next command, and the listener below is told.
bool ReportDatabaseErrors(const std::function<void()>& command);

// Told when a command on a records server failed, so the program can find out (off its
// window's thread) whether the server went away. One listener; an empty one clears it.
void SetRecordsServerErrorListener(std::function<void()> listener);
