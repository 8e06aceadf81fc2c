#include "records/RecordsSchema.h"

#include <QStringList>
#include <stdexcept>

namespace RecordsSchema {

namespace {

FieldDef Text(const char* name, int size) { return {name, FieldType::Text, size}; }
FieldDef Long(const char* name) { return {name, FieldType::Long, 0}; }
FieldDef Double(const char* name) { return {name, FieldType::Double, 0}; }
FieldDef Date(const char* name) { return {name, FieldType::Date, 0}; }

std::vector<FieldDef> TimeTableFields()
{
    std::vector<FieldDef> fields{Text("Name", 100), Long("Year"), Long("Month")};
    // The day columns' names must outlive the table description.
    static const std::vector<QByteArray> dayNames = [] {
        std::vector<QByteArray> names;
        for (int day = 1; day <= 31; ++day)
            names.push_back("Day" + QByteArray::number(day));
        return names;
    }();
    for (const QByteArray& name : dayNames)
        fields.push_back(Text(name.constData(), 50));
    fields.push_back(Text("Note", 100));
    return fields;
}

} // namespace

const FieldDef* TableDef::Field(const QString& column) const
{
    for (const FieldDef& field : fields) {
        if (column == QLatin1String(field.name))
            return &field;
    }
    return nullptr;
}

const std::vector<TableDef>& Tables()
{
    static const std::vector<TableDef> tables{
        {kChildEnrollment,
         {Text("ChildName", 100), Text("ChildRefrenceNo", 20), Date("Birthday"),
          Date("EnrollDate"), Long("EnrollType"), Text("Class", 50), Text("Mother", 50),
          Text("Father", 50), Double("PayFromGovernment"), Text("GrandParents", 120),
          Text("ContactNumber", 100), Text("Email", 100), Text("Note", 255),
          Text("Address", 100), Text("Immunisation", 100), Text("Reserved1", 100),
          Text("Reserved2", 100)}},
        {kChildPayment,
         {Date("WeekStart"), Date("WeekEnd"), Text("ChildName", 50), Long("SessionDays"),
          Double("WeeklyFee"), Double("ExtraHours"), Double("ExtraCharge"), Double("Discount"),
          Double("PayFromGovernment"), Double("PayFromParent"), Text("PaidDate", 20),
          Text("PaidBy", 30), Double("Debit"), Double("Balance"), Text("Note", 50)}},
        {kChildDailyRecord,
         {Long("Index"), Date("Date"), Text("ChildName", 100), Text("Pickup", 100),
          Text("PickupTime", 20), Text("Note", 255), Text("ParentsNote", 255),
          Text("Reserved1", 100), Text("Reserved2", 100)}},
        {kEmployeeInfo,
         {Text("Name", 100), Text("Department", 100), Text("Phone", 100), Text("Email", 100),
          Text("Address", 100), Date("EmployedDate"), Text("Position", 50), Text("Note", 150)}},
        {kEmployeeTimeTable, TimeTableFields()},
    };
    return tables;
}

const TableDef& Table(const char* name)
{
    for (const TableDef& table : Tables()) {
        if (qstrcmp(table.name, name) == 0)
            return table;
    }
    throw std::logic_error(std::string("no records table ") + name);
}

QString NameColumn(const TableDef& table)
{
    return table.Field(QStringLiteral("ChildName")) ? QStringLiteral("ChildName")
                                                     : QStringLiteral("Name");
}

QString Quoted(const QString& identifier)
{
    QString quoted = identifier;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CreateIndexSql(const TableDef& table)
{
    const QString name = QString::fromLatin1(table.name);
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(Quoted(name + QLatin1String("_ByName")), Quoted(name), Quoted(NameColumn(table)));
}

QString CreateWeekIndexSql()
{
    return QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS \"ChildPaymentInformation_ByWeek\" "
                          "ON \"ChildPaymentInformation\" (\"ChildName\", \"WeekStart\")");
}

QString DuplicateWeeksSql()
{
    return QStringLiteral("SELECT 1 FROM \"ChildPaymentInformation\" "
                          "WHERE \"WeekStart\" IS NOT NULL "
                          "GROUP BY \"ChildName\", \"WeekStart\" HAVING count(*) > 1 LIMIT 1");
}

} // namespace RecordsSchema
