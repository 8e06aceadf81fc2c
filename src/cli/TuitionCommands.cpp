#include "cli/TuitionCommands.h"

#include "cli/CliArguments.h"
#include "settings/ProgramState.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/ImageFiles.h"
#include "canvas/objects/PageVectorFiles.h"
#include "platform/SettingsStore.h"
#include "records/PaymentTable.h"
#include "records/EnrollmentTable.h"
#include "records/RecordsDatabase.h"
#include "tuition/StatementObject.h"
#include "tuition/StatementFigures.h"
#include "tuition/WeekCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QPainter>
#include <cstdio>

namespace {

constexpr const char* kWeekCheckUsage = "week-check [--today YYYY-MM-DD] [--home DIR]";
constexpr const char* kStatementUsage =
    "statement --child NAME --year Y --month M [--home DIR] (--json | OUT.png | OUT.pdf)";

} // namespace

void UseApplicationFolder(const QString& home)
{
    Program().programDir = ResolveAppFolder(home);
    SettingsStore::UseFolderFileIfPresent(Program().programDir);
    Program().LoadCenterSettings(Settings());
}

namespace {

QJsonValue DateValue(const DbDate& date)
{
    return date.IsValid() ? QJsonValue(date.Date().toString(Qt::ISODate)) : QJsonValue();
}

QJsonObject RowJson(const WeeklyPayment& row)
{
    return QJsonObject{
        {QStringLiteral("weekStart"), DateValue(row.weekStart)},
        {QStringLiteral("weekEnd"), DateValue(row.weekEnd)},
        {QStringLiteral("child"), row.childName},
        {QStringLiteral("sessionDays"), row.sessionDays},
        {QStringLiteral("fee"), row.weeklyFee},
        {QStringLiteral("charge"), row.extraCharge},
        {QStringLiteral("discount"), row.discount},
        {QStringLiteral("pbg"), row.weeklyPbg},
        {QStringLiteral("pbp"), row.pbp},
        {QStringLiteral("datePaid"), row.paidDate},
        {QStringLiteral("paidWith"), row.paidBy},
        {QStringLiteral("debit"), row.debit},
    };
}

} // namespace

QJsonObject StatementJson(const QString& child, int year, int month,
                          const StatementFigures& figures)
{
    QJsonArray rows;
    for (const WeeklyPayment& row : figures.rows)
        rows.append(RowJson(row));
    const StatementTotals& totals = figures.totals;
    return QJsonObject{
        {QStringLiteral("child"), child},
        {QStringLiteral("year"), year},
        {QStringLiteral("month"), month},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("totals"),
         QJsonObject{{QStringLiteral("sessionDays"), double(totals.sessionDays)},
                     {QStringLiteral("fee"), totals.fee},
                     {QStringLiteral("charge"), totals.charge},
                     {QStringLiteral("discount"), totals.discount},
                     {QStringLiteral("pbg"), totals.pbg},
                     {QStringLiteral("pbp"), totals.pbp},
                     {QStringLiteral("debit"), totals.debit}}},
        {QStringLiteral("debitOfMonth"), figures.debitOfMonth},
        {QStringLiteral("forward"), figures.forward},
        {QStringLiteral("totalDue"), figures.TotalDue()},
    };
}

std::optional<int> NumberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

namespace {

// The statement alone, on white with a margin: a PDF of its own size with the table as
// text, or a picture at twice the page's scale so its small table text stays legible.
// Fails when the records cannot be read.
int WriteStatementPicture(const QString& child, int year, int month, const QString& output)
{
    constexpr int kMargin = 20;
    constexpr int kScale = 2;
    const PageRect area{0, 0, StatementObject::kWidth + 2 * kMargin,
                        StatementObject::kHeight + 2 * kMargin};
    StatementObject sheet(PageRect{kMargin, kMargin, kMargin + StatementObject::kWidth,
                                   kMargin + StatementObject::kHeight});
    sheet.Choose(child, year, month);
    QImage statement(kScale * area.Width(), kScale * area.Height(), QImage::Format_RGB32);
    statement.fill(Qt::white);
    {
        QPainter painter(&statement);
        painter.scale(kScale, kScale);
        sheet.DrawStatement(painter);
    }
    if (!sheet.ReadProblem().isEmpty())
        return Fail("statement", sheet.ReadProblem());
    QString error;
    const bool written = QFileInfo(output).suffix().toLower() == QLatin1String("pdf")
                             ? PageVectorFiles::WritePdf({&sheet}, area, output, &error)
                             : ImageFiles::Write(statement, output, &error);
    if (!written)
        return Fail("statement", QStringLiteral("cannot write %1: %2").arg(output, error));
    return 0;
}

} // namespace

int WeekCheckCommand(const QStringList& arguments)
{
    const ParsedArguments parsed =
        Parse(arguments, {QStringLiteral("--today"), QStringLiteral("--home")}, {});
    if (!parsed.problem.isEmpty() || !parsed.words.isEmpty())
        return Usage(kWeekCheckUsage, parsed.problem.isEmpty()
                                          ? QStringLiteral("unexpected argument %1")
                                                .arg(parsed.words.value(0))
                                          : parsed.problem);
    QDate today = Clock::TodayUtc();
    if (const auto given = parsed.options.find(QStringLiteral("--today"));
        given != parsed.options.end()) {
        today = QDate::fromString(given->second, Qt::ISODate);
        if (!today.isValid())
            return Usage(kWeekCheckUsage,
                         QStringLiteral("%1 is not a date like 2024-03-06").arg(given->second));
        if (!TuitionWeek::Holding(today).IsStorable())
            return Usage(kWeekCheckUsage,
                         QStringLiteral("the records hold weeks of the years 100 to 9999 only, "
                                        "not the week of %1").arg(given->second));
    }
    UseApplicationFolder(parsed.options.count(QStringLiteral("--home"))
                             ? parsed.options.at(QStringLiteral("--home"))
                             : QString());

    EnrollmentTable enrollment;
    PaymentTable payments;
    WeekCheck::Result result;
    try {
        result = WeekCheck::Run(Settings(), enrollment, payments, today,
                                Program().tuitionRates);
    } catch (const DatabaseError& error) {
        return Fail("week-check", QStringLiteral("no row of the week was made: %1")
                                      .arg(error.Message()));
    }
    const QString week = result.week.ShownText();
    const WeeklyPayments::Generation& generation = result.generation;
    switch (result.outcome) {
    case WeekCheck::Outcome::SameWeek:
        if (generation.charged == 0)
            std::printf("No child is enrolled; no rows were made for the week %s.\n",
                        qPrintable(week));
        else
            std::printf("The rows of the week %s were made already; nothing was added.\n",
                        qPrintable(week));
        return 0;
    case WeekCheck::Outcome::NoDatabase:
        std::printf("There is no records database in %s yet; no rows were made.\n",
                    qPrintable(QDir::toNativeSeparators(Program().programDir)));
        return 0;
    case WeekCheck::Outcome::Generated: break;
    }
    std::printf("Made %d row(s) for the week %s.\n", generation.added, qPrintable(week));
    for (const QString& name : generation.skipped)
        std::fprintf(stderr, "tendrel-cli week-check: no row for \"%s\": the name is longer "
                             "than the payment table holds.\n", qPrintable(name));
    return 0;
}

int StatementCommand(const QStringList& arguments)
{
    const ParsedArguments parsed =
        Parse(arguments, {QStringLiteral("--child"), QStringLiteral("--year"),
                          QStringLiteral("--month"), QStringLiteral("--home")},
              {QStringLiteral("--json")});
    if (!parsed.problem.isEmpty())
        return Usage(kStatementUsage, parsed.problem);
    const auto option = [&](const char* name) {
        const auto found = parsed.options.find(QLatin1String(name));
        return found == parsed.options.end() ? QString() : found->second;
    };
    const QString child = option("--child");
    const std::optional<int> year = NumberIn(option("--year"), 1, 9999);
    const std::optional<int> month = NumberIn(option("--month"), 1, 12);
    const bool json = parsed.flags.contains(QStringLiteral("--json"));
    if (child.isEmpty() || !year || !month)
        return Usage(kStatementUsage, QStringLiteral("--child, --year (1 to 9999) and --month "
                                                     "(1 to 12) are needed"));
    if (!TuitionStatement::NamesAChild(child))
        return Usage(kStatementUsage, QStringLiteral("%1 is a photo folder, not a child: a "
                                                     "statement is for one enrolled child")
                                          .arg(child));
    if (json == !parsed.words.isEmpty() || parsed.words.size() > 1)
        return Usage(kStatementUsage, QStringLiteral("give either --json or one output file"));
    const QString output = json ? QString() : parsed.words.front();
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (!json && suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        return Usage(kStatementUsage, QStringLiteral("the output must end in .png or .pdf"));
    UseApplicationFolder(option("--home"));
    if (!RecordsDatabaseExists())
        return Fail("statement", QStringLiteral("there is no records database in %1")
                                     .arg(QDir::toNativeSeparators(Program().programDir)));

    // Every output reads the same rows first, so a database that cannot give them fails
    // each alike.
    StatementFigures figures;
    try {
        EnrollmentTable enrollment;
        if (!enrollment.SelectNamed(child))
            return Fail("statement", QStringLiteral("No child named %1 is enrolled.").arg(child));
        PaymentTable payments;
        payments.SelectChild(child);
        figures = TuitionStatement::Figures(payments, *year, *month);
    } catch (const DatabaseError& error) {
        return Fail("statement", error.Message());
    }
    if (!json)
        return WriteStatementPicture(child, *year, *month, output);
    const QByteArray text = QJsonDocument(StatementJson(child, *year, *month, figures))
                                .toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}
