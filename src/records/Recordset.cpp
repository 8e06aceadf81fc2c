#include "records/Recordset.h"

#include "settings/ProgramState.h"
#include "records/RecordsDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <limits>
#include <stdexcept>

using RecordsSchema::FieldDef;
using RecordsSchema::FieldType;
using RecordsSchema::Quoted;

namespace {

QString Column(const FieldDef& field)
{
    return QString::fromLatin1(field.name);
}

// Values read from the file are whatever a damaged or foreign file holds: any type,
// any size. Each member takes the nearest sound value.
qint32 ToLong(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !(number == number))
        return 0;
    constexpr double low = std::numeric_limits<qint32>::min();
    constexpr double high = std::numeric_limits<qint32>::max();
    return qint32(number < low ? low : number > high ? high : number);
}

double ToDouble(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0;
}

DbDate ToDate(const QVariant& value)
{
    if (value.isNull())
        return DbDate::Invalid();
    bool ok = false;
    const double days = value.toDouble(&ok);
    return ok ? DbDate(days) : DbDate::Invalid();
}

QVariant FromDate(const DbDate& date)
{
    return date.IsValid() ? QVariant(date.Days()) : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

FieldExchange::FieldExchange(Mode mode, const RecordsSchema::TableDef& table)
    : m_mode(mode), m_table(table)
{
}

const FieldDef& FieldExchange::Bind(const char* column)
{
    const FieldDef* field = m_table.Field(QString::fromLatin1(column));
    if (!field)
        throw std::logic_error(std::string("no column ") + column + " in " + m_table.name);
    if (m_mode == Mode::Describe)
        m_fields.push_back(field);
    return *field;
}

void FieldExchange::Text(const char* column, QString& value)
{
    Bind(column);
    if (m_mode == Mode::Reset) {
        value.clear();
    } else if (m_mode == Mode::Load) {
        const QVariant& stored = (*m_row)[m_position];
        value = stored.isNull() ? QString() : stored.toString();
    } else if (m_mode == Mode::Store) {
        m_values.push_back(value.isNull() ? QString(QLatin1String("")) : value);
    }
    ++m_position;
}

void FieldExchange::Long(const char* column, qint32& value, qint32 defaultValue)
{
    Bind(column);
    if (m_mode == Mode::Reset)
        value = defaultValue;
    else if (m_mode == Mode::Load)
        value = ToLong((*m_row)[m_position]);
    else if (m_mode == Mode::Store)
        m_values.push_back(value);
    ++m_position;
}

void FieldExchange::Double(const char* column, double& value, double defaultValue)
{
    Bind(column);
    if (m_mode == Mode::Reset)
        value = defaultValue;
    else if (m_mode == Mode::Load)
        value = ToDouble((*m_row)[m_position]);
    else if (m_mode == Mode::Store)
        m_values.push_back(value);
    ++m_position;
}

void FieldExchange::Date(const char* column, DbDate& value)
{
    Bind(column);
    if (m_mode == Mode::Reset)
        value = DbDate();
    else if (m_mode == Mode::Load)
        value = ToDate((*m_row)[m_position]);
    else if (m_mode == Mode::Store)
        m_values.push_back(FromDate(value));
    ++m_position;
}

Recordset::Recordset(const char* table)
    : m_table(RecordsSchema::Table(table))
{
}

RecordsDatabase& Recordset::Database() const
{
    return RecordsDatabase::Shared();
}

QString Recordset::GetDefaultDBName() const
{
    return RecordsDatabase::FilePath(Program().programDir);
}

QString Recordset::TableName() const
{
    return QString::fromLatin1(m_table.name);
}

std::vector<const FieldDef*> Recordset::BoundFields() const
{
    // Describing reads nothing and writes nothing of the members.
    FieldExchange describe(FieldExchange::Mode::Describe, m_table);
    const_cast<Recordset*>(this)->DoFieldExchange(describe);
    return std::move(describe.m_fields);
}

int Recordset::FieldCount() const
{
    return int(BoundFields().size());
}

QString Recordset::ColumnList(const QString& suffix) const
{
    QStringList columns;
    for (const FieldDef* field : BoundFields())
        columns << Quoted(Column(*field)) + suffix;
    return columns.join(QLatin1String(", "));
}

void Recordset::SetFilter(const QString& column, const QString& value)
{
    if (!m_table.Field(column))
        throw DatabaseError(QStringLiteral("%1 has no column %2.").arg(TableName(), column));
    m_filterColumn = column;
    m_filterValue = value;
}

void Recordset::ClearFilter()
{
    m_filterColumn.reset();
    m_filterValue.clear();
}

void Recordset::Open()
{
    OpenDatabase();
    Select();
    m_open = true;
    MoveFirst();
}

void Recordset::OpenToAdd()
{
    OpenDatabase();
    m_rows.clear();
    m_current = 0;
    m_editMode = EditMode::None;
    m_open = true;
}

void Recordset::OpenDatabase()
{
    const QString path = GetDefaultDBName();
    if (path.isEmpty())
        throw DatabaseError(QStringLiteral("There is no application folder for the records."));
    // Reading never changes the file; the first write opens it for writing.
    Database().Open(path, RecordsDatabase::Access::Read);
    Database().CheckTable(m_table);
}

void Recordset::OpenForWriting()
{
    Database().Open(GetDefaultDBName(), RecordsDatabase::Access::Write);
}

void Recordset::Close()
{
    m_open = false;
    m_rows.clear();
    m_current = -1;
    m_editMode = EditMode::None;
}

void Recordset::Requery()
{
    if (!m_open) {
        Open();
        return;
    }
    OpenDatabase();
    Select();
    MoveFirst();
}

void Recordset::Select()
{
    QString sql = QStringLiteral("SELECT rowid, %1 FROM %2")
                      .arg(ColumnList(), Quoted(TableName()));
    if (m_filterColumn)
        sql += QStringLiteral(" WHERE %1 = ?").arg(Quoted(*m_filterColumn));
    sql += QLatin1String(" ORDER BY rowid");

    QSqlQuery query(Database().Connection());
    query.setForwardOnly(true);
    RecordsDatabase::Prepare(query, sql);
    if (m_filterColumn)
        query.addBindValue(m_filterValue);
    RecordsDatabase::Exec(query);

    std::vector<StoredRow> rows;
    const int columns = FieldCount();
    while (query.next()) {
        StoredRow row;
        row.rowId = query.value(0).toLongLong();
        row.values.reserve(size_t(columns));
        for (int column = 1; column <= columns; ++column)
            row.values.push_back(query.value(column));
        rows.push_back(std::move(row));
    }
    m_rows = std::move(rows);
    m_current = -1;
    m_editMode = EditMode::None;
}

void Recordset::SetDefaults()
{
    FieldExchange reset(FieldExchange::Mode::Reset, m_table);
    DoFieldExchange(reset);
}

void Recordset::LoadCurrent()
{
    FieldExchange load(FieldExchange::Mode::Load, m_table);
    load.m_row = &m_rows[size_t(m_current)].values;
    DoFieldExchange(load);
}

void Recordset::MoveFirst()
{
    m_current = 0;
    while (m_current < int(m_rows.size()) && m_rows[size_t(m_current)].deleted)
        ++m_current;
    if (!IsEOF())
        LoadCurrent();
}

void Recordset::MoveNext()
{
    if (IsEOF())
        return;
    do {
        ++m_current;
    } while (m_current < int(m_rows.size()) && m_rows[size_t(m_current)].deleted);
    if (!IsEOF())
        LoadCurrent();
}

void Recordset::MoveLast()
{
    m_current = int(m_rows.size()) - 1;
    while (m_current >= 0 && m_rows[size_t(m_current)].deleted)
        --m_current;
    if (m_current < 0)
        m_current = int(m_rows.size());
    if (!IsEOF())
        LoadCurrent();
}

bool Recordset::IsEOF() const
{
    return m_current < 0 || m_current >= int(m_rows.size());
}

bool Recordset::IsBOF() const
{
    return GetRecordCount() == 0 || m_current < 0;
}

int Recordset::GetRecordCount() const
{
    int count = 0;
    for (const StoredRow& row : m_rows)
        count += row.deleted ? 0 : 1;
    return count;
}

qint64 Recordset::CurrentRowId() const
{
    if (IsEOF() || m_rows[size_t(m_current)].deleted)
        return 0;
    return m_rows[size_t(m_current)].rowId;
}

void Recordset::RequireCurrent(const char* operation) const
{
    if (!m_open)
        throw DatabaseError(QStringLiteral("%1 on %2: the records are not open.")
                                 .arg(QLatin1String(operation), TableName()));
    if (CurrentRowId() == 0)
        throw DatabaseError(QStringLiteral("No current record."));
}

void Recordset::AddNew()
{
    if (!m_open)
        throw DatabaseError(QStringLiteral("AddNew on %1: the records are not open.")
                                 .arg(TableName()));
    SetDefaults();
    m_editMode = EditMode::Adding;
}

void Recordset::Edit()
{
    RequireCurrent("Edit");
    m_editMode = EditMode::Editing;
}

void Recordset::CancelUpdate()
{
    m_editMode = EditMode::None;
}

std::vector<QVariant> Recordset::StoredValues()
{
    FieldExchange store(FieldExchange::Mode::Store, m_table);
    DoFieldExchange(store);
    return std::move(store.m_values);
}

void Recordset::CheckWidths(const std::vector<QVariant>& values) const
{
    const std::vector<const FieldDef*> fields = BoundFields();
    for (size_t i = 0; i < values.size(); ++i) {
        const FieldDef& field = *fields[i];
        if (field.type != FieldType::Text)
            continue;
        const qsizetype length = values[i].toString().size();
        if (length > field.size)
            throw DatabaseError(
                QStringLiteral("%1 holds at most %2 characters; the text given has %3. "
                               "Nothing was saved.")
                    .arg(Column(field)).arg(field.size).arg(length));
    }
}

void Recordset::Update()
{
    if (m_editMode == EditMode::None)
        throw DatabaseError(QStringLiteral("Update on %1 without AddNew or Edit.")
                                 .arg(TableName()));
    const std::vector<QVariant> values = StoredValues();
    CheckWidths(values);
    if (m_editMode == EditMode::Adding)
        InsertRow(values, false);
    else
        UpdateRow(values);
    m_editMode = EditMode::None;
}

bool Recordset::UpdateUnlessPresent()
{
    if (m_editMode != EditMode::Adding)
        throw DatabaseError(QStringLiteral("Adding to %1 without AddNew.").arg(TableName()));
    const std::vector<QVariant> values = StoredValues();
    CheckWidths(values);
    m_editMode = EditMode::None;
    return InsertRow(values, true);
}

bool Recordset::InsertRow(const std::vector<QVariant>& values, bool skipPresent)
{
    QStringList marks;
    for (size_t i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    // The unique indexes say which row is present already (one weekly row per child
    // and week); two seats adding it at once make it once.
    const QString onConflict = skipPresent ? QStringLiteral(" ON CONFLICT DO NOTHING") : QString();
    std::optional<qint64> rowId;
    OpenForWriting();
    Database().InTransaction([&] {
        QSqlQuery query(Database().Connection());
        query.setForwardOnly(true);
        RecordsDatabase::Prepare(query, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4 "
                                                       "RETURNING rowid")
                                             .arg(Quoted(TableName()), ColumnList(),
                                                  marks.join(QLatin1Char(',')), onConflict));
        for (const QVariant& value : values)
            query.addBindValue(value);
        RecordsDatabase::Exec(query);
        if (query.next())
            rowId = query.value(0).toLongLong();
    });
    if (!rowId)
        return false;
    // A dynaset shows the rows it added at its end; the current row stays.
    m_rows.push_back(StoredRow{*rowId, values, false});
    return true;
}

void Recordset::UpdateRow(const std::vector<QVariant>& values)
{
    RequireCurrent("Update");
    StoredRow& row = m_rows[size_t(m_current)];
    const qint64 rowId = row.rowId;
    const std::vector<QVariant> read = row.values;
    int changed = 0;
    OpenForWriting();
    Database().InTransaction([&] {
        // Only the row as it was read is overwritten: another seat's change since then
        // is kept and this one refused.
        QSqlQuery query(Database().Connection());
        RecordsDatabase::Prepare(query, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ? AND %3")
                                             .arg(Quoted(TableName()),
                                                  ColumnList(QStringLiteral(" = ?")),
                                                  ColumnList(QStringLiteral(" IS NOT DISTINCT FROM ?"))
                                                      .replace(QLatin1String(", "),
                                                               QLatin1String(" AND "))));
        for (const QVariant& value : values)
            query.addBindValue(value);
        query.addBindValue(rowId);
        for (const QVariant& value : read)
            query.addBindValue(value);
        RecordsDatabase::Exec(query);
        changed = query.numRowsAffected();
    });
    if (changed == 1) {
        row.values = values;
        return;
    }
    ShowStoredRows(rowId);
    if (CurrentRowId() != rowId)
        throw RowChangedError(QStringLiteral("This record was deleted on another computer after "
                                             "you opened it. Your change was not saved."));
    throw ChangedElsewhere();
}

RowChangedError Recordset::ChangedElsewhere()
{
    return RowChangedError(QStringLiteral("This record was changed on another computer after you "
                                        "opened it. Your change was not saved; the list now "
                                        "shows the other change."));
}

void Recordset::ShowStoredRows(qint64 rowId)
{
    Select();
    MoveFirst();
    while (!IsEOF() && CurrentRowId() != rowId)
        MoveNext();
}

void Recordset::Delete()
{
    RequireCurrent("Delete");
    StoredRow& row = m_rows[size_t(m_current)];
    OpenForWriting();
    Database().InTransaction([&] {
        QSqlQuery query(Database().Connection());
        RecordsDatabase::Prepare(
            query, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Quoted(TableName())));
        query.addBindValue(row.rowId);
        RecordsDatabase::Exec(query);
    });
    row.deleted = true;
}

void Recordset::SelectName(const QString& name, bool everyRow)
{
    if (everyRow)
        ClearFilter();
    else
        SetFilter(RecordsSchema::NameColumn(m_table), name);
    Requery();
}
