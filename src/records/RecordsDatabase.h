#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

class QSqlDatabase;
class QSqlQuery;

// An engine error or a refused value. It aborts the command that was running; the
// command's caller shows its text (ReportDatabaseErrors) and nothing of the row is written.
class CDatabaseError : public std::runtime_error
{
public:
    explicit CDatabaseError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// The one connection to the records database file, shared by every recordset, kept
// for the whole run. It opens on the first recordset that needs it and follows the
// file a recordset names (tests move the application folder between runs).
class CRecordsDatabase
{
public:
    static CRecordsDatabase& Shared();

    // The database file of an application folder: WRN.mdb in it; empty for an empty folder.
    static QString FilePath(const QString& programDir);
    // Whether that file exists.
    static bool Exists(const QString& programDir);

    // Creates the file with the five tables in order (and the index on each name
    // column) and opens it. An existing file is opened and left as it is. Throws
    // CDatabaseError when the engine refuses.
    void Create(const QString& path);

    // Opens the file when another or none is open. A missing file is not created: it
    // throws CDatabaseError, as does a file the engine cannot read.
    void Open(const QString& path);
    void Close();
    bool IsOpen() const;
    QString Path() const { return m_path; }

    // The open connection. Only valid after Open or Create.
    QSqlDatabase Connection() const;

    // Runs statements that write in one transaction: committed when `work` returns,
    // rolled back (and the error passed on) when it throws. Nested calls join the
    // outermost transaction.
    void InTransaction(const std::function<void()>& work);

    // Prepares a statement; throws CDatabaseError with the engine's text when refused.
    static void Prepare(QSqlQuery& query, const QString& sql);
    // Executes a prepared query; throws CDatabaseError with the engine's text on failure.
    static void Exec(QSqlQuery& query);

private:
    CRecordsDatabase() = default;
    void OpenConnection(const QString& path);

    QString m_path;
    int m_transactionDepth = 0;
};

// The existence check of the program's own application folder (Program().programDir).
bool RecordsDatabaseExists();
// Creates the program's database when it is missing, as the first saved child does.
void EnsureRecordsDatabase();

// Runs one command against the database. An engine error aborts it and is shown in a
// message box with the engine's text; returns false then.
bool ReportDatabaseErrors(const std::function<void()>& command);
