#include "reports/ReportsTestKit.h"

#include "commands/CommandIds.h"
#include "reports/MonthReport.h"
#include "reports/view/ReportPages.h"
#include "reports/view/ReportsCenterView.h"
#include "settings/ProgramState.h"
#include "support/DialogTestKit.h"
#include "support/EnrolledChildren.h"
#include "support/PdfTools.h"
#include "support/ScriptedPrompt.h"
#include "widgets/SendEmailDialog.h"

#include <QDir>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

class ReportsCenterTest : public DialogTest
{
protected:
    ReportsCenterTest()
    {
        Program().picturesRoot = m_home.FilePath(QStringLiteral("Pictures"));
        QDir().mkpath(Program().picturesRoot);
    }

    void Show(ReportKind kind, TimeSheet::YearMonth month = {2012, 3})
    {
        m_view.Report().SetMonth(month);
        m_view.OnCommand(kind == ReportKind::Statement     ? Cmd::ReportStatement
                         : kind == ReportKind::TuitionList ? Cmd::ReportTuitionList
                                                           : Cmd::ReportStaff);
    }
    bool Enabled(int id) const { return m_view.UpdateCommand(id).enabled; }
    QString Folder(const char* name) const
    {
        return QDir(Program().picturesRoot).filePath(QString::fromUtf8(name));
    }
    QString Title() const { return Find<QLabel>(m_view, "reportTitle")->text(); }

    ReportsCenterView m_view;
};

TEST_F(ReportsCenterTest, TheTreesChildIsTheStatementsAndOnlyAChildsStatementGoesOut)
{
    Enroll(QStringLiteral("Anna"), 5, 0, QStringLiteral("anna@example.org"));
    Show(ReportKind::Statement);
    for (const int id : {Cmd::ReportEmail, Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::FileExportPdf})
        EXPECT_FALSE(Enabled(id)) << id;

    m_view.ShowFolder(Folder("Anna/Outings"));
    EXPECT_EQ(m_view.Report().Child(), QStringLiteral("Anna"));
    EXPECT_EQ(Title(), QStringLiteral("Tuition Statement of Anna, March 2012"));
    EXPECT_TRUE(Enabled(Cmd::ReportEmail));
    EXPECT_EQ(m_view.Report().Recipients(), QStringLiteral("anna@example.org"));
    QString said;
    QObject::connect(&m_view, &CenterView::InfoTextChanged, [&](const QString& text) { said = text; });
    m_view.OnCommand(Cmd::FileExportPdf);   // the File menu's export writes it under its name
    const QString pdf = m_home.FilePath(QStringLiteral("Anna_TuitionStatement_03_of_2012.pdf"));
    EXPECT_EQ(PdfTools::PageCount(pdf), 1);
    EXPECT_TRUE(said.contains(pdf)) << said.toStdString();

    m_view.ShowFolder(Folder("AAA"));
    EXPECT_FALSE(Enabled(Cmd::ReportEmail));
    Show(ReportKind::TuitionList);
    EXPECT_TRUE(Enabled(Cmd::ReportEmail));
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::ReportTuitionList).checked);
}

TEST_F(ReportsCenterTest, TheMonthStepsAcrossTheYear)
{
    const struct
    {
        TimeSheet::YearMonth from;
        int command;
        TimeSheet::YearMonth to;
        const char* title;
    } steps[] = {{{2012, 12}, Cmd::ReportNextMonth, {2013, 1}, "Staff Report, January 2013"},
                 {{2013, 1}, Cmd::ReportPreviousMonth, {2012, 12}, "Staff Report, December 2012"},
                 {{2012, 6}, Cmd::ReportNextMonth, {2012, 7}, "Staff Report, July 2012"}};
    for (const auto& step : steps) {
        Show(ReportKind::Staff, step.from);
        m_view.OnCommand(step.command);
        EXPECT_EQ(m_view.Report().Month(), step.to);
        EXPECT_EQ(Title(), QString::fromUtf8(step.title));
    }
}

TEST_F(ReportsCenterTest, ALongListShowsAndPrintsEveryPage)
{
    ReportsKit::EnrollNumbered(80);
    Show(ReportKind::TuitionList);
    EXPECT_EQ(m_view.Pages()->PageCount(), 2);
    EXPECT_GE(m_view.Pages()->height(), m_view.Pages()->PageRect(1).bottom());

    const QString pdf = m_home.FilePath(QStringLiteral("printed.pdf"));
    ScriptNextDialog([&](QDialog& dialog) {
        QPrinter& printer = *static_cast<QPrintDialog&>(dialog).printer();
        printer.setOutputFileName(pdf);
        dialog.setResult(QDialog::Accepted);
    });
    m_view.OnCommand(Cmd::FilePrint);
    EXPECT_EQ(PdfTools::PageCount(pdf), 2);
    EXPECT_TRUE(PdfTools::Text(pdf).contains(QStringLiteral("Child 80")));
}

TEST_F(ReportsCenterTest, MailingTheListAttachesItsPdfForEveryParent)
{
    for (const char* name : {"a", "b", "c"})
        Enroll(QString::fromLatin1(name).toUpper(), 5, 0, QString::fromLatin1(name));
    Enroll(QStringLiteral("D"));   // no address: no empty recipient
    Show(ReportKind::TuitionList);
    MailMessage offered;
    ScriptNextDialog([&](QDialog& dialog) { offered = static_cast<SendEmailDialog&>(dialog).Message(); });

    m_view.OnCommand(Cmd::ReportEmail);

    const QString pdf = m_home.FilePath(QStringLiteral("TuitionList.pdf"));
    EXPECT_EQ(offered, (MailMessage{QStringLiteral("a;b;c;"), Program().email.subject, {}, {pdf}}));
    EXPECT_EQ(PdfTools::PageCount(pdf), 1);
    EXPECT_TRUE(Prompt().Messages().isEmpty());
}

TEST_F(ReportsCenterTest, AFailedExportIsSaidAndNothingIsOffered)
{
    Enroll(QStringLiteral("Anna"), 5, 0, QStringLiteral("anna@example.org"));
    // A folder where the PDF belongs.
    ASSERT_TRUE(QDir().mkpath(m_home.FilePath(QStringLiteral("Staff.pdf"))));
    Show(ReportKind::Staff);

    m_view.OnCommand(Cmd::ReportEmail);

    EXPECT_EQ(m_dialogsRun, 0);
    ASSERT_EQ(Prompt().Messages().size(), 1);
    EXPECT_TRUE(Prompt().Texts().front().contains(
        QDir::toNativeSeparators(m_home.FilePath(QStringLiteral("Staff.pdf")))));
}

} // namespace
