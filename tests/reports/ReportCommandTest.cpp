#include "ReportsTestKit.h"

#include "records/RecordsTestKit.h"
#include "support/EnrolledChildren.h"
#include "support/PdfTools.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

class ReportCommandTest : public RecordsTest
{
protected:
    CliRun Cli(QStringList arguments) const
    {
        arguments << QStringLiteral("--home") << m_home.Path();
        QProcess process;
        process.start(QDir(qEnvironmentVariable("TENDREL_BIN_DIR")).filePath(QStringLiteral("tendrel-cli")),
                      QStringList{QStringLiteral("report")} + arguments);
        CliRun run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }

    static QStringList March(const QString& report)
    {
        return report.split(QLatin1Char(' '))
             + QStringList{QStringLiteral("--year"), QStringLiteral("2012"), QStringLiteral("--month"),
                           QStringLiteral("3")};
    }
};

TEST_F(ReportCommandTest, EveryChildOfALongListIsInTheJsonThePictureAndThePdf)
{
    QStringList names = ReportsKit::EnrollNumbered(79);
    names << QStringLiteral("Emily Rose-Whitfield");   // longer than its column: shown whole
    Enroll(names.back());
    ReportsKit::StoreWeeks(names.back(), {{QDate(2012, 3, 5), 120, 0, 0, 0, 20, 100}});

    const CliRun json = Cli(March(QStringLiteral("tuition-list")) << QStringLiteral("--json"));
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject list = QJsonDocument::fromJson(json.out).object();
    const QJsonArray rows = list.value(QStringLiteral("rows")).toArray();
    ASSERT_EQ(rows.size(), 80);
    EXPECT_EQ(list.value(QStringLiteral("pages")).toInt(), 2);
    const QJsonObject last = rows.last().toObject();
    EXPECT_EQ(last.value(QStringLiteral("child")).toString(), names.back());
    EXPECT_EQ(last.value(QStringLiteral("monthCharge")).toDouble(), 120);
    EXPECT_EQ(last.value(QStringLiteral("debit")).toDouble(), 100);
    EXPECT_EQ(last.keys().size(), 10);

    const QString pdf = m_home.FilePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(Cli(March(QStringLiteral("tuition-list")) << pdf).exitCode, 0);
    const QString text = PdfTools::Text(pdf);
    for (const QString& name : names)
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    const QString png = m_home.FilePath(QStringLiteral("out.png"));
    ASSERT_EQ(Cli(March(QStringLiteral("tuition-list")) << png).exitCode, 0);
    EXPECT_EQ(QImage(png).height(), 2 * 1240);
}

TEST_F(ReportCommandTest, TheStatementIsOfAnEnrolledChildAndMistakesAreRefused)
{
    Enroll(QStringLiteral("Anna"));
    ReportsKit::StoreWeeks(QStringLiteral("Anna"), {{QDate(2012, 2, 6), 100, 0, 0, 0, 0, 100}});
    const CliRun statement = Cli(March(QStringLiteral("statement --child Anna")) << QStringLiteral("--json"));
    ASSERT_EQ(statement.exitCode, 0) << statement.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(statement.out).object().value(QStringLiteral("forward")).toDouble(),
              100);

    const CliRun nobody = Cli(March(QStringLiteral("statement --child Zoe")) << QStringLiteral("--json"));
    EXPECT_EQ(nobody.exitCode, 1);
    EXPECT_TRUE(nobody.err.contains(QStringLiteral("No child named Zoe"))) << nobody.err.toStdString();
    for (const QString& wrong : {QStringLiteral("statement"), QStringLiteral("staff --child Anna"),
                                 QStringLiteral("payroll")})
        EXPECT_EQ(Cli(March(wrong) << QStringLiteral("--json")).exitCode, 2) << wrong.toStdString();
    EXPECT_EQ(Cli(March(QStringLiteral("staff")) << QStringLiteral("out.txt")).exitCode, 2);
}

} // namespace
