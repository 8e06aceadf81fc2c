#include "cli/ReportCommand.h"

#include "cli/CliArguments.h"
#include "cli/TuitionCommands.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "records/RecordsDatabase.h"
#include "reports/MonthReport.h"
#include "reports/ReportFiles.h"
#include "settings/ProgramState.h"
#include "tuition/StatementFigures.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

constexpr const char* kUsage =
    "report (statement --child NAME | tuition-list | staff) --year Y --month M [--home DIR] "
    "(--json | OUT.png | OUT.pdf)";

std::optional<ReportKind> KindNamed(const QString& word)
{
    if (word == QLatin1String("statement"))
        return ReportKind::Statement;
    if (word == QLatin1String("tuition-list"))
        return ReportKind::TuitionList;
    if (word == QLatin1String("staff"))
        return ReportKind::Staff;
    return std::nullopt;
}

QJsonObject ListRowJson(const TuitionListRow& row)
{
    return QJsonObject{
        {QStringLiteral("child"), row.child},
        {QStringLiteral("sessionDays"), double(row.sessionDays)},
        {QStringLiteral("weeklyFee"), row.weeklyFee},
        {QStringLiteral("monthCharge"), row.monthCharge},
        {QStringLiteral("forward"), row.forward},
        {QStringLiteral("extraCharges"), row.extraCharges},
        {QStringLiteral("discount"), row.discount},
        {QStringLiteral("paidByGovernment"), row.paidByGovernment},
        {QStringLiteral("paidByParents"), row.paidByParents},
        {QStringLiteral("debit"), row.debit},
    };
}

QJsonObject StaffJson(const StaffMonth& staff)
{
    const QDate first(staff.sheet.month.year, staff.sheet.month.month, 1);
    QJsonArray days;
    for (int day = 0; day < first.daysInMonth(); ++day)
        days.append(staff.sheet.days[size_t(day)]);
    return QJsonObject{{QStringLiteral("name"), staff.name},
                       {QStringLiteral("days"), days},
                       {QStringLiteral("note"), staff.sheet.note}};
}

// The report's own figures; the statement's are read as the statement reads them.
int PrintJson(MonthReport& report)
{
    const TimeSheet::YearMonth month = report.Month();
    QJsonObject json;
    switch (report.Kind()) {
    case ReportKind::Statement: {
        PaymentTable payments;
        payments.SelectChild(report.Child());
        json = StatementJson(report.Child(), month.year, month.month,
                             TuitionStatement::Figures(payments, month.year, month.month));
        break;
    }
    case ReportKind::TuitionList: {
        QJsonArray rows;
        for (const TuitionListRow& row : report.ListRows())
            rows.append(ListRowJson(row));
        json = QJsonObject{{QStringLiteral("year"), month.year},
                           {QStringLiteral("month"), month.month},
                           {QStringLiteral("rows"), rows}};
        break;
    }
    case ReportKind::Staff: {
        QJsonArray staff;
        for (const StaffMonth& member : report.StaffMonths())
            staff.append(StaffJson(member));
        json = QJsonObject{{QStringLiteral("year"), month.year},
                           {QStringLiteral("month"), month.month},
                           {QStringLiteral("staff"), staff}};
        break;
    }
    }
    json.insert(QStringLiteral("pages"), report.PageCount());
    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}

} // namespace

int ReportCommand(const QStringList& arguments)
{
    const ParsedArguments parsed =
        Parse(arguments, {QStringLiteral("--child"), QStringLiteral("--year"),
                          QStringLiteral("--month"), QStringLiteral("--home")},
              {QStringLiteral("--json")});
    if (!parsed.problem.isEmpty())
        return Usage(kUsage, parsed.problem);
    const std::optional<ReportKind> kind = KindNamed(parsed.words.value(0));
    if (!kind)
        return Usage(kUsage, QStringLiteral("name the report: statement, tuition-list or staff"));
    const QString child = parsed.Option(QStringLiteral("--child"));
    if ((*kind == ReportKind::Statement) != parsed.Has(QStringLiteral("--child")))
        return Usage(kUsage, QStringLiteral("--child goes with the statement, and only with it"));
    if (*kind == ReportKind::Statement && !TuitionStatement::NamesAChild(child))
        return Usage(kUsage, QStringLiteral("%1 is a photo folder, not a child: a statement is "
                                            "for one enrolled child").arg(child));
    const std::optional<int> year = NumberIn(parsed.Option(QStringLiteral("--year")), 1, 9999);
    const std::optional<int> month = NumberIn(parsed.Option(QStringLiteral("--month")), 1, 12);
    if (!year || !month)
        return Usage(kUsage, QStringLiteral("--year (1 to 9999) and --month (1 to 12) are needed"));
    const bool json = parsed.flags.contains(QStringLiteral("--json"));
    const QStringList outputs = parsed.words.mid(1);
    if (json == !outputs.isEmpty() || outputs.size() > 1)
        return Usage(kUsage, QStringLiteral("give either --json or one output file"));
    const QString output = json ? QString() : outputs.front();
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (!json && suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        return Usage(kUsage, QStringLiteral("the output must end in .png or .pdf"));

    UseApplicationFolder(parsed.Option(QStringLiteral("--home")));
    if (!RecordsDatabaseExists())
        return Fail("report", NoRecordsText());
    MonthReport report;
    report.SetKind(*kind);
    report.SetMonth({*year, *month});
    report.SetChild(child);
    try {
        if (*kind == ReportKind::Statement && !EnrollmentTable().SelectNamed(child))
            return Fail("report", QStringLiteral("No child named %1 is enrolled.").arg(child));
        if (!report.Load())
            return Fail("report", report.ReadProblem());
        if (json)
            return PrintJson(report);
    } catch (const DatabaseError& error) {
        return Fail("report", error.Message());
    }
    QString error;
    const bool written = suffix == QLatin1String("pdf") ? ReportFiles::WritePdf(report, output, &error)
                                                        : ReportFiles::WritePng(report, output, &error);
    if (!written)
        return Fail("report", QStringLiteral("cannot write %1: %2").arg(output, error));
    return 0;
}
