#include "ReportsTestKit.h"

#include "records/RecordsTestKit.h"
#include "support/EnrolledChildren.h"
#include "support/PdfTools.h"
#include "support/ProgramRuns.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class ReportCommandTest : public RecordsTest
{
protected:
    // `tendrel-cli report <report> --year 2012 --month 3 <output> --home <the test's>`.
    ProgramRun March(const char* report, const QString& output = QStringLiteral("--json")) const
    {
        return RunProgram("tendrel-cli", QStringList{QStringLiteral("report")}
                                             + QString::fromLatin1(report).split(QLatin1Char(' '))
                                             + QStringList{"--year", "2012", "--month", "3", output,
                                                           "--home", m_home.Path()});
    }
};

TEST_F(ReportCommandTest, EveryChildOfALongListIsInTheJsonThePictureAndThePdf)
{
    const QStringList names = ReportsKit::EnrollNumbered(80);
    ReportsKit::StoreWeeks(names.back(), {{QDate(2012, 3, 5), 120, 0, 0, 0, 20, 100}});

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

    // What is on the pages is the report's own: here only that both are written whole.
    const QString pdf = m_home.FilePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(March("tuition-list", pdf).exitCode, 0);
    EXPECT_EQ(PdfTools::PageCount(pdf), 2);
    const QString png = m_home.FilePath(QStringLiteral("out.png"));
    ASSERT_EQ(March("tuition-list", png).exitCode, 0);
    EXPECT_EQ(QImage(png).height(), 2 * 1240);
}

TEST_F(ReportCommandTest, TheStatementIsOfAnEnrolledChildAndMistakesAreRefused)
{
    Enroll(QStringLiteral("Anna"));
    ReportsKit::StoreWeeks(QStringLiteral("Anna"), {{QDate(2012, 2, 6), 100, 0, 0, 0, 0, 100}});
    const ProgramRun statement = March("statement --child Anna");
    ASSERT_EQ(statement.exitCode, 0) << statement.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(statement.out.toUtf8())[QStringLiteral("forward")], 100);

    EXPECT_TRUE(EndedSaying(March("statement --child Zoe"), 1, QStringLiteral("No child named Zoe")));
    for (const char* wrong : {"statement", "staff --child Anna", "payroll"})
        EXPECT_EQ(March(wrong).exitCode, 2) << wrong;
    EXPECT_EQ(March("staff", QStringLiteral("out.txt")).exitCode, 2);
}

} // namespace
