#include "settings/StartOptions.h"
#include "cli/DocumentCommands.h"
#include "cli/MailCommands.h"
#include "cli/PhotoCommand.h"
#include "cli/RecordsCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SampleCommand.h"
#include "cli/TuitionCommands.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <functional>

namespace {

// One subcommand: its name, a line for the help, and what it runs with the arguments
// after its name. Returns the process's exit code.
struct CliCommand
{
    const char* name;
    const char* summary;
    std::function<int(const QStringList& arguments)> run;
};

const std::vector<CliCommand>& Commands();

QString CliHelp()
{
    QString help = QStringLiteral(
        "Usage: tendrel-cli <command> [options]\n"
        "\n"
        "Tendrel without windows, for scripts, cron and batch work.\n"
        "\n"
        "Commands:\n");
    for (const CliCommand& command : Commands())
        help += QStringLiteral("  %1%2\n")
                    .arg(QString::fromLatin1(command.name), -14)
                    .arg(QString::fromLatin1(command.summary));
    help += QStringLiteral(
        "\n"
        "Options:\n"
        "  --help        show this help and exit\n"
        "  --version     show the version and exit\n");
    return help;
}

int ShowHelp(const QStringList&)
{
    std::fputs(qPrintable(CliHelp()), stdout);
    return 0;
}

int ShowVersion(const QStringList&)
{
    std::fputs(qPrintable(VersionText(QStringLiteral("tendrel-cli"))), stdout);
    return 0;
}

const std::vector<CliCommand>& Commands()
{
    static const std::vector<CliCommand> commands{
        {"help", "show this help", ShowHelp},
        {"version", "show the version", ShowVersion},
        {"dump", "print a .wrn document as JSON: dump FILE.wrn", DumpDocumentCommand},
        {"render", "draw a .wrn page into a png, jpg, bmp, gif, tif, webp or pdf file: "
                   "render FILE.wrn OUT",
         RenderDocumentCommand},
        {"photo", "adjust a picture file: photo IN OUT OP [OP ...] (photo --help lists OPs)",
         PhotoCommand},
        {"create-db", "create the records database WRN.mdb: create-db [--home DIR]",
         CreateDatabaseCommand},
        {"week-check", "make this week's tuition rows once: week-check [--today YYYY-MM-DD] "
                       "[--home DIR]", WeekCheckCommand},
        {"statement", "a child's tuition statement: statement --child NAME --year Y --month M "
                      "[--home DIR] (--json | OUT.png | OUT.pdf)", StatementCommand},
        {"report", "a monthly report: report (statement --child NAME | tuition-list | staff) "
                   "--year Y --month M [--home DIR] (--json | OUT.png | OUT.pdf)", ReportCommand},
        {"send-daily", "send the day's photos to the parents, once a day: send-daily "
                       "[--home DIR] [--now YYYY-MM-DDTHH:MM]", SendDailyCommand},
        {"send", "send one message with the center's account: send --to ADDRESSES "
                 "--subject TEXT [--attach FILE] [--text TEXT] [--home DIR]", SendCommand},
        {"make-sample", "build a small invented center to look around in: make-sample "
                        "--home DIR", MakeSampleCommand},
    };
    return commands;
}

// Scripts read stderr; the platform's chatter about runtime folders is not for them.
void QuietPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg && message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietPlatformMessages);
    // Nothing here draws on a screen; set the platform before any Qt object exists.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts and painting need the GUI part of Qt, though no window is ever shown.
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tendrel-cli"));

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fputs(qPrintable(CliHelp()), stderr);
        return 2;
    }
    QString name = arguments.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h"))
        name = QStringLiteral("help");
    else if (name == QLatin1String("--version"))
        name = QStringLiteral("version");

    for (const CliCommand& command : Commands())
        if (name == QLatin1String(command.name))
            return command.run(arguments);

    std::fprintf(stderr, "tendrel-cli: unknown command %s\n\n%s", qPrintable(name),
                 qPrintable(CliHelp()));
    return 2;
}
