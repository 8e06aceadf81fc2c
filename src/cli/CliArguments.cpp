#include "cli/CliArguments.h"

#include "records/RecordsDatabase.h"
#include "settings/ProgramState.h"

#include <QDir>
#include <cstdio>

void Report(const char* command, const QString& text)
{
    std::fprintf(stderr, "tendrel-cli %s: %s\n", command, qPrintable(text));
}

int Fail(const char* command, const QString& message)
{
    Report(command, message);
    return 1;
}

QString NoRecordsText()
{
    if (const QString why = RecordsDatabase::Shared().UnreachableReason(); !why.isEmpty())
        return why;
    return QStringLiteral("there is no records database in %1").arg(RecordsPlace());
}

QString RecordsPlace()
{
    const DatabaseLocation& location = RecordsDatabase::Shared().Location();
    return location.IsServer() ? location.Url() : QDir::toNativeSeparators(Program().programDir);
}

int Usage(const char* usage, const QString& problem)
{
    std::fprintf(stderr, "tendrel-cli: %s\nUsage: tendrel-cli %s\n", qPrintable(problem), usage);
    return 2;
}

ParsedArguments Parse(const QStringList& arguments, const QStringList& valued,
                       const QStringList& flags)
{
    ParsedArguments parsed;
    for (int i = 0; i < arguments.size() && parsed.problem.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (valued.contains(argument)) {
            if (i + 1 >= arguments.size())
                parsed.problem = QStringLiteral("%1 needs a value").arg(argument);
            else
                parsed.options[argument] = arguments[++i];
        } else if (flags.contains(argument)) {
            parsed.flags << argument;
        } else if (argument.startsWith(QLatin1String("--"))) {
            parsed.problem = QStringLiteral("unknown option %1").arg(argument);
        } else {
            parsed.words << argument;
        }
    }
    return parsed;
}
