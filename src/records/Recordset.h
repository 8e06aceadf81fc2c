#pragma once

#include "records/DbDate.h"
#include "records/RecordsSchema.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

class RecordsDatabase;
class RowChangedError;

// Carries values between a recordset's bound members and a row, in binding order.
// Each recordset lists its members once, in DoFieldExchange.
class FieldExchange
{
public:
    enum class Mode { Describe, Load, Store, Reset };

    // Reset gives texts empty, dates zero and valid, numbers their default.
    void Text(const char* column, QString& value);
    void Long(const char* column, qint32& value, qint32 defaultValue = 0);
    void Double(const char* column, double& value, double defaultValue = 0);
    void Date(const char* column, DbDate& value);

private:
    friend class Recordset;
    FieldExchange(Mode mode, const RecordsSchema::TableDef& table);

    const RecordsSchema::FieldDef& Bind(const char* column);

    Mode m_mode;
    const RecordsSchema::TableDef& m_table;
    int m_position = 0;
    std::vector<const RecordsSchema::FieldDef*> m_fields;   // Describe
    const std::vector<QVariant>* m_row = nullptr;            // Load
    std::vector<QVariant> m_values;                          // Store
};

// A dynaset over one table: the rows a filter selects, read when it opens or requeries,
// with the current row's columns in the bound members. Writes go straight to the
// records, each in its own transaction; a row is identified by its rowid.
// Operations that meet an engine error throw DatabaseError.
class Recordset
{
public:
    virtual ~Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens the shared database on GetDefaultDBName() if needed and selects the rows.
    // A table that lacks a bound column, or declares one for other values, throws
    // DatabaseError naming it.
    void Open();
    // Opens without reading any row, to add rows to a large table.
    void OpenToAdd();
    void Close();
    bool IsOpen() const { return m_open; }
    void Requery();

    // The current row (MoveFirst, MoveNext, MoveLast); at EOF there is none.
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    bool IsEOF() const;
    bool IsBOF() const;
    // The rows selected and not deleted.
    int GetRecordCount() const;

    // AddNew resets the members to their defaults; Edit keeps the current row's values.
    // Update writes the members: a new row, or the current row. A text longer than its
    // column is refused, naming the field, and nothing is written.
    void AddNew();
    void Edit();
    // Editing a row that another seat changed or deleted since it was read is refused
    // (RowChangedError saying so), and the set shows the rows as they are now.
    void Update();
    // After AddNew: adds the row unless one with the same unique key (one weekly row per
    // child and week) is there already; whether it was added.
    bool UpdateUnlessPresent();
    void CancelUpdate();
    // Deletes the current row from the file; the members keep its values.
    void Delete();

    // The filter: rows whose column equals the value, bound as a parameter. No filter
    // selects every row. Takes effect at the next Open or Requery.
    void SetFilter(const QString& column, const QString& value);
    void ClearFilter();
    bool HasFilter() const { return m_filterColumn.has_value(); }

    // The number of bound members.
    int FieldCount() const;
    QString TableName() const;
    // The rowid of the current row; 0 at EOF.
    qint64 CurrentRowId() const;

    // What an edit of a row another seat changed since it was read is refused with.
    static RowChangedError ChangedElsewhere();

    // The database file a recordset opens; empty means it does nothing.
    virtual QString GetDefaultDBName() const;

protected:
    explicit Recordset(const char* table);

    RecordsDatabase& Database() const;
    // Opens the shared database for reading when needed and checks the table's columns.
    void OpenDatabase();
    // Names each bound member with its column and default, in binding order.
    virtual void DoFieldExchange(FieldExchange& exchange) = 0;
    // Gives every member its default, as a new recordset and AddNew do.
    void SetDefaults();

    // Selects every row, or the rows of one name (the table's name column), and requeries.
    void SelectName(const QString& name, bool everyRow);

    const RecordsSchema::TableDef& m_table;

private:
    enum class EditMode { None, Adding, Editing };
    struct StoredRow
    {
        qint64 rowId = 0;
        std::vector<QVariant> values;
        bool deleted = false;
    };

    // The first write opens the file again for writing.
    void OpenForWriting();
    void Select();
    void LoadCurrent();
    void RequireCurrent(const char* operation) const;
    std::vector<QVariant> StoredValues();
    std::vector<const RecordsSchema::FieldDef*> BoundFields() const;
    // The bound columns quoted, in binding order, each followed by `suffix`.
    QString ColumnList(const QString& suffix = QString()) const;
    void CheckWidths(const std::vector<QVariant>& values) const;
    bool InsertRow(const std::vector<QVariant>& values, bool skipPresent);
    void UpdateRow(const std::vector<QVariant>& values);
    // Reads the rows again and makes the row `rowId` current, or EOF when it is gone.
    void ShowStoredRows(qint64 rowId);

    std::vector<StoredRow> m_rows;
    int m_current = -1;   // index into m_rows; m_rows.size() is EOF
    bool m_open = false;
    EditMode m_editMode = EditMode::None;
    std::optional<QString> m_filterColumn;
    QString m_filterValue;
};
