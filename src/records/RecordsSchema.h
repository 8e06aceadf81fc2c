#pragma once

#include <QString>
#include <vector>

// The tables of the records database, their columns in order, and each column's type
// and width. Every statement and every recordset is built from this one description.
namespace RecordsSchema {

enum class FieldType { Text, Long, Double, Date };

struct FieldDef
{
    const char* name;
    FieldType type;
    int size;   // the most characters a Text column holds; 0 for the others
};

struct TableDef
{
    const char* name;
    std::vector<FieldDef> fields;

    const FieldDef* Field(const QString& column) const;
};

inline constexpr const char* kChildEnrollment = "ChildEnrollmentInformation";
inline constexpr const char* kChildPayment = "ChildPaymentInformation";
inline constexpr const char* kChildDailyRecord = "ChildDailyRecord";
inline constexpr const char* kEmployeeInfo = "EmployeeInfo";
inline constexpr const char* kEmployeeTimeTable = "EmployeeTimeTable";

// The five tables in the order they are created.
const std::vector<TableDef>& Tables();
const TableDef& Table(const char* name);

// The column rows are selected by: ChildName, or Name for the staff tables.
QString NameColumn(const TableDef& table);

// SQL that creates the index on a table's name column (the tables themselves differ
// between engines: SqlDialect).
QString CreateIndexSql(const TableDef& table);
// The weekly rows: one per child and week start, and a query with a row when older
// rows already hold two.
QString CreateWeekIndexSql();
QString DuplicateWeeksSql();

// A column name quoted for SQL ("Index" and "Date" are keywords).
QString Quoted(const QString& identifier);

} // namespace RecordsSchema
