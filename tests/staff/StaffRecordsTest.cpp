#include "records/RecordsTestKit.h"

#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "staff/StaffRecords.h"
#include "staff/TimeSheet.h"

namespace {

class StaffRecordsTest : public RecordsTest
{
protected:
    StaffRecordsTest() { EnsureRecordsDatabase(); }

    void Hire(const QString& name, std::initializer_list<TimeSheet::YearMonth> months)
    {
        StaffInfo staff;
        staff.name = name;
        staff.department = QStringLiteral("Toddlers");
        StaffRecords::AddStaff(m_staff, staff);
        for (const TimeSheet::YearMonth month : months)
            TimeSheet::LoadOrCreateMonth(m_sheets, name, month);
    }
    QStringList Column(const char* table) const
    {
        QStringList names;
        for (const QSqlRecord& row :
             Inspect(QStringLiteral("SELECT Name FROM %1 ORDER BY rowid").arg(QLatin1String(table))))
            names << row.value(0).toString();
        return names;
    }

    StaffTable m_staff;
    TimeSheetTable m_sheets;
};

TEST_F(StaffRecordsTest, DeleteTakesTheMembersMonthsAndNobodyElses)
{
    const QString quoted = QStringLiteral("Ann O'Neil");
    Hire(quoted, {{2012, 1}, {2012, 2}, {2011, 12}});
    Hire(QStringLiteral("Ann"), {{2012, 1}});
    StaffRecords::DeleteStaff(m_staff, m_sheets, quoted);
    EXPECT_EQ(Column("EmployeeInfo"), QStringList{QStringLiteral("Ann")});
    EXPECT_EQ(Column("EmployeeTimeTable"), QStringList{QStringLiteral("Ann")});
}

TEST_F(StaffRecordsTest, ARenameTakesTheTimeSheetAlong)
{
    Hire(QStringLiteral("Kim"), {{2012, 1}, {2012, 2}});
    Hire(QStringLiteral("Lee"), {{2012, 1}});
    StaffInfo renamed = *StaffRecords::FindStaff(m_staff, QStringLiteral("Kim"));
    renamed.name = QStringLiteral("Kim Park");
    renamed.phone = QStringLiteral("555 0101");
    StaffRecords::UpdateStaff(m_staff, m_sheets, QStringLiteral("Kim"), renamed);
    EXPECT_EQ(StaffRecords::FindStaff(m_staff, QStringLiteral("Kim Park")), renamed);
    EXPECT_EQ(Column("EmployeeTimeTable"),
              (QStringList{QStringLiteral("Kim Park"), QStringLiteral("Kim Park"),
                           QStringLiteral("Lee")}));
    EXPECT_THROW(StaffRecords::UpdateStaff(m_staff, m_sheets, QStringLiteral("Kim"), renamed),
                 DatabaseError);
}

TEST_F(StaffRecordsTest, ANameThatCannotNameAFileHasNoPhoto)
{
    EXPECT_TRUE(StaffRecords::PhotoPath(m_home.Path(), QStringLiteral("Kim")).endsWith(
        QStringLiteral("/staff/Kim.jpg")));
    for (const char* name : {"a/b", "..", "", "a\nb"}) {
        EXPECT_FALSE(StaffRecords::NameProblem(QString::fromLatin1(name)).isEmpty()) << name;
        EXPECT_TRUE(StaffRecords::PhotoPath(m_home.Path(), QString::fromLatin1(name)).isEmpty());
    }
}

} // namespace
