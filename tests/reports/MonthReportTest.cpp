#include "ReportsTestKit.h"

#include "records/RecordsDatabase.h"
#include "records/RecordsTestKit.h"
#include "reports/MonthReport.h"
#include "reports/ReportFiles.h"
#include "settings/ProgramState.h"
#include "staff/MonthCalendarPainting.h"
#include "support/EnrolledChildren.h"
#include "support/PdfTools.h"
#include "support/PixelProbes.h"
#include "support/ProgramRuns.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace ReportsKit;

namespace {

constexpr TimeSheet::YearMonth kMarch2012{2012, 3};

class MonthReportTest : public EachEngineTest
{
protected:
    MonthReport& Loaded(ReportKind kind, TimeSheet::YearMonth month = kMarch2012,
                        const QString& child = {})
    {
        m_report.SetKind(kind);
        m_report.SetMonth(month);
        m_report.SetChild(child);
        EXPECT_TRUE(m_report.Load()) << m_report.ReadProblem().toStdString();
        return m_report;
    }
    // `tendrel-cli report <report> --year 2012 --month 3 <output> --home <the test's>`.
    ProgramRun March(const char* report, const QString& output = QStringLiteral("--json")) const
    {
        const QStringList server = Location().IsServer()
            ? QStringList{QStringLiteral("--database"), Location().Url(true)} : QStringList();
        return RunProgram("tendrel-cli", server + QStringList{QStringLiteral("report")}
                                             + QString::fromLatin1(report).split(QLatin1Char(' '))
                                             + QStringList{"--year", "2012", "--month", "3", output,
                                                           "--home", m_home.Path()});
    }

    MonthReport m_report;
};

TEST_P(MonthReportTest, TheListCarriesEarlierDebitsForwardAndSumsTheMonth)
{
    Enroll(QStringLiteral("Anna"));
    Enroll(QStringLiteral("Ben"));
    StoreWeeks(QStringLiteral("Anna"),
               {{QDate(2012, 2, 6), 100, 0, 0, 10, 50, 40},
                {QDate(2012, 2, 27), 100, 0, 0, 10, 85, 5},   // ends in March, counts in February
                {QDate(2012, 3, 5), 120, 7.5, 2, 10, 60, 55.5},
                {QDate(2012, 3, 12), 130, 0, 3, 10, 0, 117},
                {QDate(2012, 4, 2), 999, 999, 0, 0, 0, 999}});

    const std::vector<TuitionListRow> rows = Loaded(ReportKind::TuitionList).ListRows();

    ASSERT_EQ(rows.size(), 2u);
    TuitionListRow anna{QStringLiteral("Anna"), 6, 130, 250, 45, 7.5, 5, 20, 60, 0};
    anna.debit = 7.5 + 250 + 45 - 5 - 20 - 60;
    EXPECT_EQ(rows[0], anna);
    EXPECT_EQ(rows[1], TuitionListRow{QStringLiteral("Ben")});
    EXPECT_EQ(TuitionList::Texts(rows[0], QStringLiteral("$")).join(u'|'),
              QStringLiteral("Anna|6|$130.00|$250.00|$45.00|$7.50|$5.00|$20.00|$60.00|$217.50"));
    EXPECT_EQ(TuitionList::Texts(rows[1], QStringLiteral("$")).mid(1, 3).join(u'|'),
              QStringLiteral("0|$0.00|$0.00"));
}

TEST_P(MonthReportTest, EightyChildrenFillSeveralPagesWithTheHeadingsOnEachHereAndThroughTheCli)
{
    QStringList names = EnrollNumbered(79);
    names << QStringLiteral("Emily Rose-Whitfield");   // longer than its column: shown whole
    Enroll(names.back());
    StoreWeeks(names.back(), {{QDate(2012, 3, 5), 120, 0, 0, 0, 20, 100}});
    MonthReport& report = Loaded(ReportKind::TuitionList);
    ASSERT_EQ(report.ListRows().size(), 80u);
    EXPECT_EQ(report.PageCount(), 2);
    EXPECT_EQ(ReportFiles::Picture(report).height(), 2 * MonthReport::kPageSize.height());

    const QString pdf = m_home.FilePath(QStringLiteral("list.pdf"));
    ASSERT_TRUE(ReportFiles::WritePdf(report, pdf));
    EXPECT_EQ(PdfTools::PageCount(pdf), 2);
    const QString text = PdfTools::Text(pdf);
    for (const QString& name : names)
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Child Name")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2 of 2")));

    // The report command: the rows as JSON, and both pages into a PDF and a picture.
    const ProgramRun json = March("tuition-list");
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject list = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const QJsonArray rows = list.value(QStringLiteral("rows")).toArray();
    ASSERT_EQ(rows.size(), 80);
    EXPECT_EQ(list.value(QStringLiteral("pages")).toInt(), 2);
    const QJsonObject last = rows.last().toObject();
    EXPECT_EQ(last.value(QStringLiteral("child")).toString(), names.back());
    EXPECT_EQ(last.value(QStringLiteral("monthCharge")).toDouble(), 120);
    EXPECT_EQ(last.value(QStringLiteral("debit")).toDouble(), 100);
    EXPECT_EQ(last.keys().size(), 10);
    const QString out = m_home.FilePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(March("tuition-list", out).exitCode, 0);
    EXPECT_EQ(PdfTools::PageCount(out), 2);
    const QString png = m_home.FilePath(QStringLiteral("out.png"));
    ASSERT_EQ(March("tuition-list", png).exitCode, 0);
    EXPECT_EQ(QImage(png).height(), 2 * MonthReport::kPageSize.height());
}

TEST_P(MonthReportTest, TheStaffReportDrawsEveryStaffMembersMonth)
{
    Hire(QStringLiteral("Grace"), QStringLiteral("grace@example.org"), kMarch2012,
         {{7, TimeSheet::kSick}, {8, TimeSheet::kWorking}});
    Hire(QStringLiteral("Alan"), QStringLiteral("alan@example.org"), kMarch2012,
         {{14, TimeSheet::kAnnual}});
    Hire(QStringLiteral("Other month"), {}, {2012, 4}, {{7, TimeSheet::kSick}});

    MonthReport& report = Loaded(ReportKind::Staff);
    const QImage page = ReportFiles::Picture(report);

    ASSERT_EQ(report.StaffMonths().size(), 3u);
    using namespace MonthCalendarPainting;
    EXPECT_TRUE(ColorsNear(DayColor(page, 0, kMarch2012, 7), QColor(kSickColor)));
    EXPECT_TRUE(ColorsNear(DayColor(page, 0, kMarch2012, 8), QColor(kWorkingColor)));
    EXPECT_TRUE(ColorsNear(DayColor(page, 1, kMarch2012, 14), QColor(kAnnualColor)));
    EXPECT_TRUE(ColorsNear(DayColor(page, 1, kMarch2012, 7), Qt::white));
    // Another month's leave is not this month's.
    EXPECT_TRUE(ColorsNear(DayColor(page, 2, kMarch2012, 7), Qt::white));
    EXPECT_EQ(report.Recipients(), QStringLiteral("grace@example.org;alan@example.org;"));
}

TEST_P(MonthReportTest, WithoutADatabaseOnlyTheFixedPartsAreDrawnAndNoFileIsMade)
{
    for (const ReportKind kind : {ReportKind::Statement, ReportKind::TuitionList, ReportKind::Staff}) {
        MonthReport& report = Loaded(kind, kMarch2012, QStringLiteral("Anna"));
        EXPECT_EQ(report.PageCount(), 1);
        EXPECT_TRUE(report.Recipients().isEmpty());
        EXPECT_FALSE(ReportFiles::Picture(report).isNull());
    }
    EXPECT_FALSE(RecordsDatabaseExists());
}

TEST_P(MonthReportTest, EachReportIsExportedUnderItsOwnNameAndAStatementOnlyForAFileName)
{
    Enroll(QStringLiteral("Anna"), 5, 0, QStringLiteral("anna@example.org"));
    const std::pair<ReportKind, const char*> names[] = {
        {ReportKind::Statement, "Anna_TuitionStatement_03_of_2012"},
        {ReportKind::TuitionList, "TuitionList"},
        {ReportKind::Staff, "Staff"}};
    for (const auto& [kind, name] : names) {
        SCOPED_TRACE(name);
        MonthReport& report = Loaded(kind, kMarch2012, QStringLiteral("Anna"));
        const ReportFiles::Files files = ReportFiles::InFolder(report, Program().programDir);
        const QString base = m_home.FilePath(QString::fromUtf8(name));
        EXPECT_EQ(files.png, base + QStringLiteral(".png"));
        EXPECT_EQ(files.pdf, base + QStringLiteral(".pdf"));

        QString error;
        ASSERT_TRUE(ReportFiles::Export(report, files, &error)) << error.toStdString();
        EXPECT_EQ(QImage(files.png).size(), MonthReport::kPageSize);
        EXPECT_EQ(PdfTools::PageCount(files.pdf), 1);
    }
    // A statement needs a child whose name can be a file name.
    EXPECT_FALSE(ReportFiles::NameProblem(Loaded(ReportKind::Statement, kMarch2012, {})).isEmpty());
    EXPECT_FALSE(ReportFiles::NameProblem(Loaded(ReportKind::Statement, kMarch2012,
                                                 QStringLiteral("../Anna"))).isEmpty());
    EXPECT_TRUE(ReportFiles::NameProblem(Loaded(ReportKind::Staff)).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, MonthReportTest, EachRecordsEngine(), RecordsEngineName);

TEST_P(MonthReportTest, TheCommandsStatementIsOfAnEnrolledChildAndMistakesAreRefused)
{
    Enroll(QStringLiteral("Anna"));
    StoreWeeks(QStringLiteral("Anna"), {{QDate(2012, 2, 6), 100, 0, 0, 0, 0, 100}});
    const ProgramRun statement = March("statement --child Anna");
    ASSERT_EQ(statement.exitCode, 0) << statement.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(statement.out.toUtf8())[QStringLiteral("forward")], 100);

    EXPECT_TRUE(EndedSaying(March("statement --child Zoe"), 1, QStringLiteral("No child named Zoe")));
    for (const char* wrong : {"statement", "staff --child Anna", "payroll"})
        EXPECT_EQ(March(wrong).exitCode, 2) << wrong;
    EXPECT_EQ(March("staff", QStringLiteral("out.txt")).exitCode, 2);
}

} // namespace
