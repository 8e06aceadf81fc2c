#include "records/RecordsTestKit.h"

#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "staff/StaffRecords.h"
#include "staff/TimeSheet.h"

using namespace TimeSheet;

namespace {

MonthPlan WeekdaysWithLeave(QStringList annual, QStringList sick)
{
    MonthPlan plan;
    plan.weekdays = {true, true, true, true, true};
    plan.annual = std::move(annual);
    plan.sick = std::move(sick);
    return plan;
}

TEST(TimeSheetDays, TheCalendarDialogsOkGivesEachDayItsState)
{
    const MonthPlan plan = WeekdaysWithLeave({"2012-March-5"}, {"2012-March-6"});
    const Days march = DaysOf({2012, 3}, plan);
    // Thursday 1st, the annual 5th, the sick 6th, Saturday 10th, Sunday 11th, Friday 30th.
    EXPECT_EQ((QStringList{march[0], march[4], march[5], march[9], march[10], march[29]}),
              (QStringList{kWorking, kAnnual, kSick, kNone, kNone, kWorking}));
    const Days february = DaysOf({2012, 2}, plan);
    EXPECT_EQ(february[28], kWorking);   // the leap day
    EXPECT_EQ(february[29], kNone);      // past February's end

    // A day in both lists is annual leave, leave counts on a Saturday, another month's key
    // does not count, and without a weekday ticked nobody works.
    const auto stateOf = [](const MonthPlan& leave, int n) {
        return DaysOf({2012, 3}, leave)[size_t(n - 1)];
    };
    EXPECT_EQ(stateOf(WeekdaysWithLeave({"2012-March-7"}, {"2012-March-7"}), 7), kAnnual);
    EXPECT_EQ(stateOf(WeekdaysWithLeave({}, {"2012-March-10"}), 10), kSick);
    EXPECT_EQ(stateOf(WeekdaysWithLeave({"2012-April-5"}, {}), 5), kWorking);
    EXPECT_EQ(stateOf(MonthPlan{}, 5), kNone);
}

TEST(TimeSheetDays, AStoredMonthGivesBackThePlanThatMadeIt)
{
    const YearMonth march{2012, 3};
    MonthPlan plan = WeekdaysWithLeave({"2012-March-5"}, {"2012-March-6"});
    plan.weekdays[2] = false;   // Wednesday
    plan.note = QStringLiteral("holidays");
    const MonthPlan back = PlanOf(march, DaysOf(march, plan), plan.note);
    EXPECT_EQ(back.annual, plan.annual);
    EXPECT_EQ(back.sick, plan.sick);
    EXPECT_EQ(back.weekdays, plan.weekdays);
    EXPECT_EQ(back.note, plan.note);
}

TEST(TimeSheetDays, KeysNameEveryDayOfTheMonthInEnglishAndMonthsStepAcrossYearEnds)
{
    EXPECT_EQ(DayKey(2012, 3, 5), QStringLiteral("2012-March-5"));
    const QStringList february = DayKeys({2012, 2});
    ASSERT_EQ(february.size(), 29);
    EXPECT_EQ(february.first(), QStringLiteral("2012-February-1"));
    EXPECT_EQ(february.last(), QStringLiteral("2012-February-29"));
    EXPECT_EQ(DayKeys({2011, 12}).last(), QStringLiteral("2011-December-31"));

    // Each month with the one before and the one after.
    const YearMonth steps[][3] = {{{2011, 12}, {2012, 1}, {2012, 2}},
                                  {{2011, 11}, {2011, 12}, {2012, 1}},
                                  {{2012, 5}, {2012, 6}, {2012, 7}}};
    for (const auto& [previous, from, next] : steps) {
        EXPECT_EQ(Previous(from), previous);
        EXPECT_EQ(Next(from), next);
    }
}

// Staff and their time sheets in a real records file.
class StaffFileTest : public EachEngineTest
{
protected:
    StaffFileTest() { EnsureRecordsDatabase(); }

    void Hire(const QString& name, std::initializer_list<YearMonth> months)
    {
        StaffInfo staff;
        staff.name = name;
        staff.department = QStringLiteral("Toddlers");
        StaffRecords::AddStaff(m_staff, staff);
        for (const YearMonth month : months)
            LoadOrCreateMonth(m_set, name, month);
    }
    // The Name column of a table, in file order.
    QStringList Column(const char* table) const
    {
        QStringList names;
        for (const QSqlRecord& row :
             Inspect(QStringLiteral("SELECT \"Name\" FROM \"%1\" ORDER BY rowid").arg(QLatin1String(table))))
            names << row.value(0).toString();
        return names;
    }
    int RowsOf(const QString& name) const { return int(Column("EmployeeTimeTable").count(name)); }
    void Store(const QString& name, YearMonth month, const MonthPlan& plan)
    {
        WriteMonth(m_set, name, {month, DaysOf(month, plan), plan.note});
    }

    StaffTable m_staff;
    TimeSheetTable m_set;
};

TEST_P(StaffFileTest, AMonthShownTheFirstTimeGetsOneRowOfT)
{
    const MonthSheet sheet = LoadOrCreateMonth(m_set, QStringLiteral("Kim"), {2012, 3});
    LoadOrCreateMonth(m_set, QStringLiteral("Kim"), {2012, 3});
    ASSERT_EQ(RowsOf(QStringLiteral("Kim")), 1);
    const auto rows = Inspect(QStringLiteral("SELECT * FROM \"EmployeeTimeTable\""));
    EXPECT_EQ(rows[0].value(QStringLiteral("Year")).toInt(), 2012);
    EXPECT_EQ(rows[0].value(QStringLiteral("Month")).toInt(), 3);
    for (int day = 1; day <= 31; ++day) {
        EXPECT_EQ(rows[0].value(QStringLiteral("Day%1").arg(day)).toString(), QStringLiteral("T"));
        EXPECT_EQ(sheet.days[size_t(day - 1)], QStringLiteral("T"));
    }
    LoadOrCreateMonth(m_set, QStringLiteral("Kim"), {2012, 4});
    EXPECT_EQ(RowsOf(QStringLiteral("Kim")), 2);
}

TEST_P(StaffFileTest, TheLeaveSummaryCountsOnlyTheYearsMonths)
{
    const QString kim = QStringLiteral("Kim");
    Store(kim, {2012, 3}, WeekdaysWithLeave({"2012-March-5", "2012-March-7"}, {"2012-March-6"}));
    Store(kim, {2012, 11}, WeekdaysWithLeave({"2012-November-1"}, {}));
    Store(kim, {2011, 12}, WeekdaysWithLeave({"2011-December-1"}, {"2011-December-2"}));
    Store(QStringLiteral("Lee"), {2012, 3}, WeekdaysWithLeave({}, {"2012-March-8"}));
    EXPECT_EQ(CountLeave(m_set, kim, 2012), (LeaveCount{3, 1}));
    EXPECT_EQ(CountLeave(m_set, kim, 2011), (LeaveCount{1, 1}));
    EXPECT_EQ(CountLeave(m_set, kim, 2013), (LeaveCount{}));
    EXPECT_EQ(CountLeave(m_set, QStringLiteral("Lee"), 2012), (LeaveCount{0, 1}));
    const QHash<QString, LeaveCount> year = CountLeaveOfYear(m_set, 2012);
    EXPECT_EQ(year.value(kim), (LeaveCount{3, 1}));
    EXPECT_EQ(year.value(QStringLiteral("Lee")), (LeaveCount{0, 1}));
    EXPECT_EQ(year.size(), 2);
}

TEST_P(StaffFileTest, AddOneWeekMarksOnlyEmptyWeekdaysOfEveryMemberOnce)
{
    // Thursday 1 March 2012: the week began on Monday 27 February.
    const QDate thursday(2012, 3, 1);
    const QString kim = QStringLiteral("Kim");
    const QString lee = QStringLiteral("Lee");
    Store(kim, {2012, 2}, [] {
        MonthPlan plan;
        plan.sick = {QStringLiteral("2012-February-28")};
        return plan;
    }());
    EXPECT_EQ(AddWorkingWeek(m_set, {kim, lee}, thursday), 9);
    EXPECT_EQ(AddWorkingWeek(m_set, {kim, lee}, thursday), 0);

    // From the Sunday before to the Saturday after.
    const MonthSheet february = ReadMonth(m_set, kim, {2012, 2});
    const MonthSheet march = ReadMonth(m_set, kim, {2012, 3});
    EXPECT_EQ(QStringList(february.days.begin() + 25, february.days.begin() + 29),
              (QStringList{kNone, kWorking, kSick, kWorking}));
    EXPECT_EQ(QStringList(march.days.begin(), march.days.begin() + 3),
              (QStringList{kWorking, kWorking, kNone}));
    EXPECT_EQ(RowsOf(lee), 2);
    EXPECT_EQ(ReadMonth(m_set, lee, {2012, 2}).days[27], QLatin1String(kWorking));
}

TEST_P(StaffFileTest, DeleteTakesTheMembersMonthsAndNobodyElses)
{
    const QString quoted = QStringLiteral("Ann O'Neil");
    Hire(quoted, {{2012, 1}, {2012, 2}, {2011, 12}});
    Hire(QStringLiteral("Ann"), {{2012, 1}});
    StaffRecords::DeleteStaff(m_staff, m_set, quoted);
    EXPECT_EQ(Column("EmployeeInfo"), QStringList{QStringLiteral("Ann")});
    EXPECT_EQ(Column("EmployeeTimeTable"), QStringList{QStringLiteral("Ann")});
}

TEST_P(StaffFileTest, ARenameTakesTheTimeSheetAlong)
{
    Hire(QStringLiteral("Kim"), {{2012, 1}, {2012, 2}});
    Hire(QStringLiteral("Lee"), {{2012, 1}});
    StaffInfo renamed = *StaffRecords::FindStaff(m_staff, QStringLiteral("Kim"));
    renamed.name = QStringLiteral("Kim Park");
    renamed.phone = QStringLiteral("555 0101");
    StaffRecords::UpdateStaff(m_staff, m_set, QStringLiteral("Kim"), renamed);
    EXPECT_EQ(StaffRecords::FindStaff(m_staff, QStringLiteral("Kim Park")), renamed);
    EXPECT_EQ(Column("EmployeeTimeTable"),
              (QStringList{QStringLiteral("Kim Park"), QStringLiteral("Kim Park"),
                           QStringLiteral("Lee")}));
    EXPECT_THROW(StaffRecords::UpdateStaff(m_staff, m_set, QStringLiteral("Kim"), renamed),
                 DatabaseError);
}

TEST_P(StaffFileTest, ANameThatCannotNameAFileOrThatMeansEveryoneIsRefused)
{
    EXPECT_TRUE(StaffRecords::PhotoPath(m_home.Path(), QStringLiteral("Kim")).endsWith(
        QStringLiteral("/staff/Kim.jpg")));
    for (const char* name : {"a/b", "..", "", "a\nb", "all"}) {
        EXPECT_FALSE(StaffRecords::NameProblem(QString::fromLatin1(name)).isEmpty()) << name;
        EXPECT_TRUE(StaffRecords::PhotoPath(m_home.Path(), QString::fromLatin1(name)).isEmpty());
    }
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Engines, StaffFileTest, EachRecordsEngine(), RecordsEngineName);
